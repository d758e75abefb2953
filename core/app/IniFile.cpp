#include "IniFile.h"

#include "SafeFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray trimmed(const QByteArray& b) {
    return b.trimmed();
}

bool isComment(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    return t.startsWith(';') || t.startsWith('#');
}

// "[name]" gives name; anything else gives a null array.
QByteArray sectionName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return {};
    const int close = t.indexOf(']');
    if (close < 0)
        return {};
    return t.mid(1, close - 1).trimmed();
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// Drops a partial multi-byte character left at the end by a byte cut.
QByteArray cutToBytes(const QByteArray& value, int max, bool gbk) {
    if (value.size() <= max)
        return value;
    QByteArray cut = value.left(max);
    if (!gbk) {
        int i = cut.size();
        int back = 0;
        while (i > 0 && (static_cast<unsigned char>(cut[i - 1]) & 0xC0) == 0x80 && back < 3) {
            --i;
            ++back;
        }
        if (i > 0) {
            const auto lead = static_cast<unsigned char>(cut[i - 1]);
            const int need = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
            if (need != back)
                cut.truncate(lead >= 0xC0 ? i - 1 : cut.size());
        }
    } else {
        // Count GBK lead bytes from the start: a lone lead byte at the end is dropped.
        int i = 0;
        while (i < cut.size()) {
            const bool lead = static_cast<unsigned char>(cut[i]) >= 0x81;
            if (lead && i + 1 >= cut.size()) {
                cut.truncate(i);
                break;
            }
            i += lead ? 2 : 1;
        }
    }
    return cut;
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {
    load();
}

void IniFile::load() {
    Result<QByteArray> in = SafeFile::Read(m_path, SafeFile::kTextLimit);
    if (!in) {
        // A file that is there but cannot be read whole is never written over.
        m_unreadable = QFileInfo::exists(m_path);
        return;
    }
    QByteArray all = std::move(in.value());
    if (all.startsWith("\xEF\xBB\xBF")) {
        m_bom = all.left(3);
        all.remove(0, 3);
    }
    m_gbk = !isValidUtf8(all);
    m_eol = all.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    m_trailingEol = all.isEmpty() || all.endsWith('\n');
    m_lines = all.split('\n');
    if (m_trailingEol && !m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    for (QByteArray& line : m_lines)
        if (line.endsWith('\r'))
            line.chop(1);
}

QString IniFile::decode(const QByteArray& bytes) const {
    if (!m_gbk)
        return QString::fromUtf8(bytes);
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

QByteArray IniFile::encode(const QString& text) const {
    if (!m_gbk)
        return text.toUtf8();
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

int IniFile::findSection(const QString& section) const {
    for (int i = 0; i < m_lines.size(); ++i) {
        const QByteArray name = sectionName(m_lines[i]);
        if (!name.isNull() && decode(name).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const {
    int i = sectionLine + 1;
    while (i < m_lines.size() && sectionName(m_lines[i]).isNull())
        ++i;
    return i;
}

int IniFile::findKey(int sectionLine, const QString& key) const {
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        const QByteArray& line = m_lines[i];
        if (isComment(line))
            continue;
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        if (decode(trimmed(line.left(eq))).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::value(const QString& section, const QString& key, const QString& def) const {
    const int s = findSection(section);
    if (s < 0)
        return def;
    const int k = findKey(s, key);
    if (k < 0)
        return def;
    const QByteArray& line = m_lines[k];
    QByteArray v = trimmed(line.mid(line.indexOf('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return decode(cutToBytes(v, kMaxValueBytes, m_gbk));
}

QStringList IniFile::keys(const QString& section) const {
    QStringList result;
    const int s = findSection(section);
    if (s < 0)
        return result;
    const int end = sectionEnd(s);
    for (int i = s + 1; i < end; ++i) {
        const QByteArray& line = m_lines[i];
        const int eq = line.indexOf('=');
        if (!isComment(line) && eq >= 0)
            result.append(decode(trimmed(line.left(eq))));
    }
    return result;
}

Result<void> IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    QList<QByteArray> lines = m_lines;
    const QByteArray entry = encode(key) + '=' + encode(value);
    const int s = findSection(section);
    bool endsWithNewLine = m_trailingEol;
    if (s < 0) {
        lines.append('[' + encode(section) + ']');
        lines.append(entry);
        endsWithNewLine = true;
    } else if (const int k = findKey(s, key); k >= 0) {
        // The key keeps its spelling in the file; only its value changes.
        lines[k] = lines[k].left(lines[k].indexOf('=')).trimmed() + '=' + encode(value);
    } else {
        // After the section's last non-blank line, so a blank separator stays below it.
        int at = sectionEnd(s);
        while (at > s + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        if (at == lines.size())
            endsWithNewLine = true;
        lines.insert(at, entry);
    }

    QByteArray text = m_bom;
    for (int i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || endsWithNewLine)
            text += m_eol;
    }
    // A temporary file renamed over the old one, and only over a regular file.
    if (m_unreadable || !SafeFile::Write(m_path, text))
        return Result<void>::Failure(QStringLiteral("Unable to write to %1").arg(m_path));
    m_lines = lines;
    m_trailingEol = endsWithNewLine;
    return Result<void>::Ok();
}
