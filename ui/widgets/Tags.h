#pragma once

#include <QObject>
#include <QVariant>

/**
 * The integer Tag every component carries: the command number of a menu item
 * or tool button, or a translation marker of a list.
 */
namespace Tags {

/** A list that is never translated. */
constexpr int kNeverTranslate = -2;
/** A list of which only entry 0 is translated. */
constexpr int kFirstEntryOnly = -3;

inline void Set(QObject* object, int tag) {
    object->setProperty("Tag", tag);
}
inline int Of(const QObject* object) {
    return object->property("Tag").toInt();
}

} // namespace Tags
