#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

/** The band list: band texts with the one-byte band codes the radio stores. */
class TFrqList {
  public:
    void Add(const QString& text, std::uint8_t code) { m_entries.append({text, code}); }
    int Count() const { return static_cast<int>(m_entries.size()); }
    /** Code of the first entry with exactly this text; the first entry's code otherwise. */
    std::uint8_t CodeOf(const QString& text) const;
    /** Text of the first entry with this code; the first entry's text otherwise. */
    QString TextOf(std::uint8_t code) const;
    bool Contains(const QString& text) const;
    QStringList Texts() const;

  private:
    struct Entry {
        QString text;
        std::uint8_t code;
    };
    QList<Entry> m_entries;
};
