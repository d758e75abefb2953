#include "MessageText.h"

namespace MessageText {

namespace {

QString hex(char16_t value, int digits) {
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

} // namespace

QString Quoted(const QString& input, int limit) {
    QString out;
    int shown = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (shown == limit) {
            out += QChar(0x2026); // …
            break;
        }
        const QChar c = input[i];
        ++shown;
        switch (c.unicode()) {
        case '\n':
            out += QLatin1String("\\n");
            continue;
        case '\r':
            out += QLatin1String("\\r");
            continue;
        case '\t':
            out += QLatin1String("\\t");
            continue;
        default:
            break;
        }
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(hex(c.unicode(), 2));
        else if (c.isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate())
            out += input.mid(i++, 2);
        else if (!c.isPrint() || c.isSurrogate())
            out += QStringLiteral("\\u%1").arg(hex(c.unicode(), 4));
        else
            out += c;
    }
    return out;
}

QString Path(const QString& path) {
    return Quoted(path, static_cast<int>(path.size()));
}

QString Bytes(qint64 count) {
    return count == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(count);
}

} // namespace MessageText
