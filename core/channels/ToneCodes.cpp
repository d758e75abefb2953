#include "ToneCodes.h"

#include <QRegularExpression>

namespace ToneCodes {

namespace {

QStringList split(const char* spaced) {
    return QString::fromLatin1(spaced).split(' ', Qt::SkipEmptyParts);
}

constexpr char kBackspace = '\b';
constexpr char kEnter = '\r';

bool passesFrequency(QChar c) {
    return c == QLatin1Char(kBackspace) || c == QLatin1Char(kEnter) || c == '\n' || c == '.' ||
           (c >= '0' && c <= '9');
}

} // namespace

const QStringList& CtcssValues() {
    static const QStringList values =
        split("67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 "
              "114.8 118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 162.2 167.9 173.8 179.9 "
              "186.2 192.8 203.5 210.7 218.1 225.7 233.6 241.8 250.3");
    return values;
}

const QStringList& DcsCodes() {
    static const QStringList codes =
        split("023 025 026 031 032 043 047 051 054 065 071 072 073 074 114 115 116 125 131 132 134 "
              "143 152 155 156 162 165 172 174 205 223 226 243 244 245 251 261 263 265 271 306 311 "
              "315 331 343 346 351 364 365 371 411 412 413 423 431 432 445 464 465 466 503 506 516 "
              "532 546 565 606 612 624 627 631 632 654 662 664 703 712 723 731 732 734 743 754");
    return codes;
}

QStringList ToneList(const QString& noneText) {
    QStringList list{noneText};
    list += CtcssValues();
    for (const QString& code : DcsCodes())
        list.append('D' + code + 'N');
    for (const QString& code : DcsCodes())
        list.append('D' + code + 'I');
    return list;
}

bool IsToneText(const QString& text) {
    static const QRegularExpression ctcss(QStringLiteral("^[0-9]{2,3}\\.[0-9]$"));
    static const QRegularExpression dcs(QStringLiteral("^D[0-7]{3}[NI]$"));
    if (dcs.match(text).hasMatch())
        return true;
    if (!ctcss.match(text).hasMatch())
        return false;
    const double hz = text.toDouble();
    return hz >= 30.0 && hz <= 290.0;
}

QString NormalizeToneText(const QString& text) {
    if (text.isEmpty())
        return {};
    if (text.front().isDigit() && text.front().unicode() < 128) {
        bool ok = false;
        double value = text.toDouble(&ok);
        if (!ok)
            return QStringLiteral("290.0");
        if (value < 30.0)
            value = 30.0;
        else if (value > 290.0)
            value = 290.0;
        return QString::number(value, 'f', 1);
    }
    const auto octal = [](QChar c) { return c >= '0' && c <= '7'; };
    if (text.size() == 5 && text[0] == 'D' && octal(text[1]) && octal(text[2]) && octal(text[3]) &&
        QStringLiteral("NIni").contains(text[4]))
        return text;
    return QStringLiteral("D777N");
}

std::optional<QChar> FilterToneKey(QChar key) {
    if (key == ',')
        key = '.';
    if (passesFrequency(key) || QStringLiteral("DINdin").contains(key))
        return key;
    return std::nullopt;
}

std::optional<QChar> FilterFrequencyKey(QChar key) {
    if (key == ',')
        key = '.';
    if (passesFrequency(key))
        return key;
    return std::nullopt;
}

const QList<PickerCtcss>& PickerCtcssEntries() {
    static const QList<PickerCtcss> entries = [] {
        const QStringList values =
            split("67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 "
                  "110.9 114.8 118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 162.2 167.9 "
                  "173.8 179.9 186.2 192.8 203.5 206.5 210.7 218.1 225.7 229.1 233.6 241.8 250.3 "
                  "254.1");
        const QStringList letters = split(
            "XZ WZ XA WA XB WB YZ YA YB ZZ ZA ZB 1Z 1A 1B 2Z 2A 2B 3Z 3A 3B 4Z 4A 4B 5Z 5A 5B "
            "6Z 6A 6B 7Z 7A M1 8Z M2 M3 M4 9Z M5 M6 M7 0Z");
        QList<PickerCtcss> list;
        for (int i = 0; i < values.size(); ++i)
            list.append({QStringLiteral("%1").arg(i + 1, 2, 16, QLatin1Char('0')).toUpper(),
                         values[i], letters[i]});
        return list;
    }();
    return entries;
}

const QStringList& PickerDcsCodes() {
    static const QStringList codes = [] {
        QStringList list = DcsCodes();
        list.insert(list.indexOf("532"), "525");
        list.insert(list.indexOf("654"), "645");
        return list;
    }();
    return codes;
}

} // namespace ToneCodes
