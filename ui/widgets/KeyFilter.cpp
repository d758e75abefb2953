#include "KeyFilter.h"

#include "channels/ToneCodes.h"

#include <QCoreApplication>
#include <QKeyEvent>

KeyFilter::KeyFilter(Filter filter, QObject* parent)
    : QObject(parent), m_filter(std::move(filter)) {}

KeyFilter* KeyFilter::Frequency(QObject* parent) {
    return new KeyFilter(&ToneCodes::FilterFrequencyKey, parent);
}

KeyFilter* KeyFilter::Tone(QObject* parent) {
    return new KeyFilter(&ToneCodes::FilterToneKey, parent);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint() || (key->modifiers() & Qt::ControlModifier))
        return false;
    const auto passed = m_filter(text[0]);
    if (!passed)
        return true;
    if (*passed == text[0])
        return false;
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(*passed));
    QCoreApplication::sendEvent(watched, &replaced);
    return true;
}
