#include "TFrqList.h"

std::uint8_t TFrqList::CodeOf(const QString& text) const {
    for (const Entry& e : m_entries)
        if (e.text == text)
            return e.code;
    return m_entries.isEmpty() ? 0 : m_entries.first().code;
}

QString TFrqList::TextOf(std::uint8_t code) const {
    for (const Entry& e : m_entries)
        if (e.code == code)
            return e.text;
    return m_entries.isEmpty() ? QString() : m_entries.first().text;
}

bool TFrqList::Contains(const QString& text) const {
    for (const Entry& e : m_entries)
        if (e.text == text)
            return true;
    return false;
}

QStringList TFrqList::Texts() const {
    QStringList texts;
    for (const Entry& e : m_entries)
        texts.append(e.text);
    return texts;
}
