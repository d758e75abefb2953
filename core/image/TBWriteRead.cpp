#include "TBWriteRead.h"

#include "app/MessageText.h"

#include "model/TFun.h"

#include <cmath>

namespace {

constexpr std::uint8_t kFill = 0xFF;
constexpr long long kMaxTenHertz = 99'999'999; // eight decimal digits: below 1000 MHz
constexpr int kMaxToneWord = 9999;
constexpr std::uint8_t kNormalPolarity = 0x8;
constexpr std::uint8_t kInvertedPolarity = 0xC;

std::uint8_t bcdPair(const QString& twoDigits) {
    bool ok = false;
    const uint value = twoDigits.toUInt(&ok, 16);
    return static_cast<std::uint8_t>(ok ? value : 0);
}

QString hex2(std::uint8_t byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

bool hasHexLetter(const QString& digits) {
    for (QChar c : digits)
        if (c >= 'A' && c <= 'F')
            return true;
    return false;
}

QString formatMhz(double mhz) {
    return QString::number(mhz, 'f', 5);
}

// The frequency in units of 10 Hz as eight BCD digits, least significant pair first.
void encodeFrequency(std::uint8_t* out, double mhz, const char* what) {
    const double units = std::round(mhz * 100000.0);
    if (!std::isfinite(mhz) || units < 0 || units > kMaxTenHertz)
        throw CodecError(QStringLiteral("%1 frequency %2 MHz cannot be stored: the radio holds "
                                        "frequencies from 0 to below 1000 MHz")
                             .arg(QLatin1String(what), formatMhz(mhz)));
    const QString digits =
        QStringLiteral("%1").arg(static_cast<long long>(units), 8, 10, QLatin1Char('0'));
    for (int i = 0; i < 4; ++i)
        out[i] = bcdPair(digits.mid(6 - 2 * i, 2));
}

std::optional<double> decodeFrequency(const std::uint8_t* in) {
    QString digits;
    for (int i = 3; i >= 0; --i)
        digits += hex2(in[i]);
    if (hasHexLetter(digits))
        return std::nullopt;
    return digits.toLongLong() / 100000.0;
}

bool isHexDigit(QChar c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

std::uint8_t latin1Byte(QChar c, const QString& text, const char* what) {
    if (c.unicode() > 0xFF)
        throw CodecError(QStringLiteral("%1 \"%2\" cannot be stored: the character \"%3\" does not "
                                        "fit one byte")
                             .arg(QLatin1String(what), MessageText::Quoted(text),
                                  MessageText::Quoted(QString(c))));
    return static_cast<std::uint8_t>(c.unicode());
}

} // namespace

void TBWriteRead::FillBlank(Record& r) {
    r.fill(kFill);
}

void TBWriteRead::EncodeHeader(Record& r, const QString& tag, const QString& bandEdges,
                               const QString& saveTime) {
    FillBlank(r);
    const QString padded = (tag + QString(8, ' ')).left(5);
    for (int i = 0; i < 5; ++i)
        r[static_cast<size_t>(i)] = latin1Byte(padded[i], tag, "model tag");
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const uint pair = bandEdges.mid(2 * i, 2).toUInt(&ok, 16);
        if (!ok || bandEdges.size() != 6)
            throw CodecError(QStringLiteral("band edges \"%1\" cannot be stored: six digits are "
                                            "needed")
                                 .arg(bandEdges));
        r[static_cast<size_t>(5 + i)] = static_cast<std::uint8_t>(pair);
    }
    const int year = saveTime.left(4).toInt();
    r[8] = static_cast<std::uint8_t>(year & 0xFF);
    r[9] = static_cast<std::uint8_t>((year >> 8) & 0xFF);
    r[10] = static_cast<std::uint8_t>(saveTime.mid(5, 2).toInt());
    r[11] = static_cast<std::uint8_t>(saveTime.mid(8, 2).toInt());
    r[12] = static_cast<std::uint8_t>(saveTime.mid(11, 2).toInt());
    r[13] = static_cast<std::uint8_t>(saveTime.mid(14, 2).toInt());
}

HeaderValues TBWriteRead::DecodeHeader(const Record& r) {
    HeaderValues h;
    for (int i = 0; i < 5; ++i)
        h.tag += QChar(r[static_cast<size_t>(i)]);
    h.bandEdges = hex2(r[5]) + hex2(r[6]) + hex2(r[7]);
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    h.date = QStringLiteral("%1-%2-%3 %4:%5")
                 .arg(r[8] | (r[9] << 8))
                 .arg(two(r[10]), two(r[11]), two(r[12]), two(r[13]));
    return h;
}

std::array<std::uint8_t, 2> TBWriteRead::EncodeTone(const QString& tone) {
    if (tone.isEmpty())
        return {kFill, kFill};
    const auto refuse = [&tone]() {
        return CodecError(QStringLiteral("tone \"%1\" cannot be stored: a tone is a CTCSS value "
                                         "such as 67.0 or a DCS code such as D023N")
                              .arg(MessageText::Quoted(tone)));
    };
    if (tone.front() == 'D') {
        if (tone.size() != 5 || !isHexDigit(tone[1]) || !isHexDigit(tone[2]) ||
            !isHexDigit(tone[3]) || !QStringLiteral("NI").contains(tone[4].toUpper()))
            throw refuse();
        // A lower-case polarity is stored as its upper-case form.
        const std::uint8_t polarity =
            tone[4].toUpper() == 'N' ? kNormalPolarity : kInvertedPolarity;
        const auto lower = bcdPair(tone.mid(2, 2));
        const auto upper =
            static_cast<std::uint8_t>((polarity << 4) | bcdPair(QStringLiteral("0") + tone[1]));
        return {lower, upper};
    }
    bool ok = false;
    const double value = tone.toDouble(&ok);
    const long long tenths = ok && std::isfinite(value) ? std::llround(value * 10.0) : -1;
    // A word from 8000 to 8999 would read back as a DCS code.
    if (tenths < 0 || tenths > kMaxToneWord || (tenths >= 8000 && tenths <= 8999))
        throw refuse();
    const QString digits = QStringLiteral("%1").arg(tenths, 4, 10, QLatin1Char('0'));
    return {bcdPair(digits.mid(2, 2)), bcdPair(digits.left(2))};
}

QString TBWriteRead::DecodeTone(std::uint8_t lower, std::uint8_t upper) {
    if (lower == kFill && upper == kFill)
        return {};
    const QString word = hex2(upper) + hex2(lower);
    if (word[0] == '8')
        return 'D' + word.mid(1) + 'N';
    if (word[0] == 'C')
        return 'D' + word.mid(1) + 'I';
    if (hasHexLetter(word))
        return {};
    return QString::number(word.toInt() / 10.0, 'f', 1);
}

bool TBWriteRead::IsCanonicalTone(const QString& tone) {
    try {
        const auto word = EncodeTone(tone);
        return !tone.isEmpty() && DecodeTone(word[0], word[1]) == tone;
    } catch (const CodecError&) {
        return false;
    }
}

void TBWriteRead::EncodeChannel(Record& r, const ChannelValues& c) {
    FillBlank(r);
    encodeFrequency(&r[0], c.rx, "RX");
    if (c.tx)
        encodeFrequency(&r[4], *c.tx, "TX");
    const auto decode = EncodeTone(c.decodeTone);
    const auto encode = EncodeTone(c.encodeTone);
    r[8] = decode[0];
    r[9] = decode[1];
    r[10] = encode[0];
    r[11] = encode[1];
    // The flags byte, one bit each, of the item indexes.
    r[12] =
        static_cast<std::uint8_t>(((ItemOf(c.scanAdd) & 1) << 4) | ((ItemOf(c.power) & 1) << 3) |
                                  ((ItemOf(c.bandwidth) & 1) << 2) |
                                  ((ItemOf(c.beatShift) & 1) << 1) | (ItemOf(c.busyLockout) & 1));
}

std::optional<ChannelValues> TBWriteRead::DecodeChannel(const Record& r) {
    const auto rx = decodeFrequency(&r[0]);
    if (!rx)
        return std::nullopt;
    ChannelValues c;
    c.rx = *rx;
    c.tx = decodeFrequency(&r[4]);
    c.decodeTone = DecodeTone(r[8], r[9]);
    c.encodeTone = DecodeTone(r[10], r[11]);
    c.busyLockout = FromItem<YesNo>(r[12] & 1);
    c.beatShift = FromItem<YesNo>((r[12] >> 1) & 1);
    c.bandwidth = FromItem<Bandwidth>((r[12] >> 2) & 1);
    c.power = FromItem<Power>((r[12] >> 3) & 1);
    c.scanAdd = FromItem<YesNo>((r[12] >> 4) & 1);
    return c;
}

void TBWriteRead::EncodeBasicSettings(Record& r, const TFun& f) {
    FillBlank(r);
    r[0] = static_cast<std::uint8_t>(f.BatterySave * 2 + f.ClewVoice);
    r[1] = static_cast<std::uint8_t>(f.SquelchLevel);
    r[2] = static_cast<std::uint8_t>(f.SideKey);
    r[3] = static_cast<std::uint8_t>(f.TxTimeOut);
}

void TBWriteRead::DecodeBasicSettings(const Record& r, TFun& f) {
    f.BatterySave = r[0] >> 1;
    f.ClewVoice = r[0] & 1;
    f.SquelchLevel = r[1];
    f.SideKey = r[2];
    f.TxTimeOut = r[3];
}

namespace {

// The option settings record, byte by byte.
constexpr int TFun::*kOptionFields[] = {
    &TFun::Voice,
    &TFun::VoiceAnnunciation,
    &TFun::Scan,
    &TFun::VoxFunction,
    &TFun::VoxGainLevel,
    &TFun::VoxInhibitOnReceive,
    &TFun::LowVolInhibitTx,
    &TFun::HighVolInhibitTx,
    &TFun::InceptAlarm,
    &TFun::FM,
};

} // namespace

void TBWriteRead::EncodeOptionSettings(Record& r, const TFun& f) {
    FillBlank(r);
    size_t i = 0;
    for (int TFun::*field : kOptionFields)
        r[i++] = static_cast<std::uint8_t>(f.*field);
}

void TBWriteRead::DecodeOptionSettings(const Record& r, TFun& f) {
    size_t i = 0;
    for (int TFun::*field : kOptionFields)
        f.*field = r[i++];
}

void TBWriteRead::EncodeMessage(Record& r, const QString& text) {
    FillBlank(r);
    const int n = std::min<int>(static_cast<int>(text.size()), kRecordSize);
    for (int i = 0; i < n; ++i)
        r[static_cast<size_t>(i)] = latin1Byte(text[i], text, "message");
}

QString TBWriteRead::DecodeMessage(const Record& r) {
    QString text;
    for (std::uint8_t b : r)
        if (b != kFill)
            text += QChar(b);
    return text;
}

void TBWriteRead::EncodeBand(Record& r, std::uint8_t bandCode, const QString& modelCode) {
    FillBlank(r);
    r[0] = 0x00;
    r[1] = 0x00;
    r[2] = bandCode;
    const QString code = (modelCode + QStringLiteral("    ")).left(4);
    for (int i = 0; i < 4; ++i)
        r[static_cast<size_t>(6 - i)] = latin1Byte(code[i], modelCode, "model code");
    r[7] = 'P';
}

BandValues TBWriteRead::DecodeBand(const Record& r) {
    BandValues b;
    b.bandCode = r[2];
    for (int i = 6; i >= 3; --i)
        b.modelCode += QChar(r[static_cast<size_t>(i)]);
    b.modelCode = b.modelCode.trimmed();
    return b;
}

void TBWriteRead::EncodeBitmap(Record& r, const QString& flags) {
    r.fill(0x00);
    const int n = std::min<int>(static_cast<int>(flags.size()), kRecordSize * 8);
    for (int i = 0; i < n; ++i)
        if (flags[i] == '1')
            r[static_cast<size_t>(i / 8)] |= static_cast<std::uint8_t>(1u << (i % 8));
}
