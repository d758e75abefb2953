#pragma once

#include <QObject>

#include <functional>
#include <optional>

/**
 * Filters the characters typed into an edit: each key that produces text is
 * passed through the filter function, which returns the character to insert
 * (possibly another one, "," becoming ".") or nothing to discard the key.
 * Keys without text (arrows, Delete, Tab) pass untouched.
 */
class KeyFilter : public QObject {
    Q_OBJECT

  public:
    using Filter = std::function<std::optional<QChar>(QChar)>;
    KeyFilter(Filter filter, QObject* parent);

    /** Frequencies: digits, "." and Backspace; "," becomes ".". */
    static KeyFilter* Frequency(QObject* parent);
    /** Tones: digits, ".", D, I and N in either case; "," becomes ".". */
    static KeyFilter* Tone(QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Filter m_filter;
};
