#pragma once

#include "ChannelValues.h"
#include "Record.h"

#include <QString>

#include <optional>

class TFun;

struct HeaderValues {
    QString tag;       // "P" and the model code
    QString bandEdges; // six hexadecimal digits, such as "450470"
    QString date;      // "yyyy-MM-dd HH:mm"
};

struct BandValues {
    std::uint8_t bandCode = 0;
    QString modelCode;
};

/**
 * The record codec: turns the codeplug's values into 16-byte records and back.
 * Encoders start from a record of 0xFF (the bitmap from 0x00); a value the
 * record cannot hold throws CodecError instead of writing wrong bytes.
 */
class TBWriteRead {
  public:
    static void EncodeHeader(Record& r, const QString& tag, const QString& bandEdges,
                             const QString& saveTime);
    static HeaderValues DecodeHeader(const Record& r);

    static void EncodeChannel(Record& r, const ChannelValues& channel);
    /** The channel, or none for an empty channel record. */
    static std::optional<ChannelValues> DecodeChannel(const Record& r);

    static void FillBlank(Record& r);

    static void EncodeBasicSettings(Record& r, const TFun& fun);
    static void DecodeBasicSettings(const Record& r, TFun& fun);
    static void EncodeOptionSettings(Record& r, const TFun& fun);
    static void DecodeOptionSettings(const Record& r, TFun& fun);

    /** The first 16 characters of text, one byte each. */
    static void EncodeMessage(Record& r, const QString& text);
    /** Every byte that is not 0xFF, as a character. */
    static QString DecodeMessage(const Record& r);

    static void EncodeBand(Record& r, std::uint8_t bandCode, const QString& modelCode);
    static BandValues DecodeBand(const Record& r);

    /** Up to 128 flag characters packed eight to a byte, the first character in bit 0. */
    static void EncodeBitmap(Record& r, const QString& flags);

    /** The two bytes (lower, upper) of a tone text; 0xFF 0xFF for an empty one. */
    static std::array<std::uint8_t, 2> EncodeTone(const QString& tone);
    static QString DecodeTone(std::uint8_t lower, std::uint8_t upper);

    /** True when the text is exactly what DecodeTone produces for some word. */
    static bool IsCanonicalTone(const QString& tone);
};
