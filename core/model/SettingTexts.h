#pragma once

#include "TFun.h"

#include <QString>
#include <QStringList>

#include <vector>

/**
 * How the Function Setting dialog shows one function setting, in its built-in
 * English: the control and its label by component name, the caption, and a
 * list's entries (index = stored value).
 */
struct SettingText {
    enum Kind {
        List, // a fixed-list combo box with a label
        Flag, // a check box, its own caption; 1 is checked
        Gain, // the VOX gain level: a spin edit with a label, showing the stored value + 1
    };
    /** Which entries of a list the language files translate. */
    enum Translation { EachItem, NoItem, FirstItemOnly };

    Kind kind;
    int TFun::*field;
    const char* control;
    const char* label; // empty for a check box
    const char* caption;
    QStringList items{};
    Translation translation = EachItem;

    /**
     * value as the dialog shows it, with the given entries (translated or
     * not) and on/off words: a list's entry, or its number where the list
     * lacks it; the gain level counted from 1; a flag's word, or its number
     * for a value that is neither 0 nor 1.
     */
    QString Shown(int value, const QStringList& entries, const QString& on,
                  const QString& off) const;
};

/**
 * The fifteen settings in the order the printout lists them: the four check
 * boxes below the VOX group, the eight lists, then the VOX group.
 */
const std::vector<SettingText>& SettingTexts();
/** The text of one setting, by its field. */
const SettingText& SettingTextOf(int TFun::*field);
