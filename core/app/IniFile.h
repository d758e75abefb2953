#pragma once

#include "Result.h"
#include <QByteArray>
#include <QList>

#include <QString>
#include <QStringList>

/**
 * An INI file read and written by the private-profile rules of the desktop
 * this tool comes from: section and key names match without regard to case,
 * a value is at most 2047 bytes with blanks around it dropped and one pair of
 * enclosing quotation marks removed, a missing file, section or key yields the
 * default. Writing one key replaces its line (or appends one) and leaves every
 * other line byte for byte as it was.
 *
 * The file may be UTF-8 or the Chinese ANSI code page (GBK); it is decoded as
 * UTF-8 when it is valid UTF-8 and as GBK otherwise, and a written value keeps
 * the file's encoding.
 */
class IniFile {
  public:
    /** Longest value, in bytes of the file's encoding, that a read returns. */
    static constexpr int kMaxValueBytes = 2047;

    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    /** The value of key in section, or def when the file, section or key is missing. */
    QString value(const QString& section, const QString& key, const QString& def) const;

    /** The keys of a section in file order, as they are spelt there. */
    QStringList keys(const QString& section) const;

    /**
     * Sets key in section and rewrites the file at once, through a temporary
     * file renamed over the old one. Returns false and fills error (a sentence
     * naming the file) when the file cannot be written; the file is unchanged then.
     */
    Result<void> setValue(const QString& section, const QString& key, const QString& value);

    /** True when the file held text that was not valid UTF-8 and was read as GBK. */
    bool isGbk() const { return m_gbk; }

  private:
    void load();
    QString decode(const QByteArray& bytes) const;
    QByteArray encode(const QString& text) const;
    int findSection(const QString& section) const;
    int sectionEnd(int sectionLine) const;
    int findKey(int sectionLine, const QString& key) const;

    QString m_path;
    QList<QByteArray> m_lines; // raw lines without their line ending
    QByteArray m_eol = "\n";
    QByteArray m_bom;
    bool m_gbk = false;
    bool m_trailingEol = true;
    /** The file is there but could not be read whole (too large, no permission). */
    bool m_unreadable = false;
};
