#include "TestUtil.h"
#include "image/MemoryMap.h"
#include "image/TBWriteRead.h"
#include "model/TFun.h"

#include <gtest/gtest.h>

namespace {

using Codec = TBWriteRead;

TEST(ChannelRecord, TheDocumentedChannelEncodesAndDecodes) {
    ChannelValues c;
    c.rx = 462.5625;
    c.tx = 467.5625;
    c.decodeTone = "67.0";
    c.encodeTone = "D023N";
    c.power = Power::High;           // High
    c.bandwidth = Bandwidth::Narrow; // Narrow
    c.scanAdd = YesNo::Yes;          // Yes
    c.beatShift = YesNo::No;         // No
    c.busyLockout = YesNo::No;       // No
    Record r{};
    Codec::EncodeChannel(r, c);
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("50 62 25 46 50 62 75 46 70 06 23 80 0F "
                                                        "FF FF FF")));
    EXPECT_EQ(Codec::DecodeChannel(r), std::optional<ChannelValues>(c));
}

TEST(ChannelRecord, EmptyAndEdgeRecords) {
    EXPECT_FALSE(Codec::DecodeChannel(RecordFromHex("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
                                                    "FF")));
    const auto zero = Codec::DecodeChannel(RecordFromHex("00 00 00 00 FF FF FF FF FF FF FF FF E0 "
                                                         "FF FF FF"));
    ASSERT_TRUE(zero);
    EXPECT_DOUBLE_EQ(zero->rx, 0.0);
    EXPECT_FALSE(zero->tx);
    EXPECT_TRUE(zero->decodeTone.isEmpty());
    EXPECT_EQ(zero->power, Power::Low); // bits 5 to 7 are ignored

    ChannelValues noTx;
    noTx.rx = 438.5;
    Record r{};
    Codec::EncodeChannel(r, noTx);
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("00 00 85 43 FF FF FF FF FF FF FF FF 00 "
                                                        "FF FF FF")));
    EXPECT_EQ(Codec::DecodeChannel(r), std::optional<ChannelValues>(noTx));
}

struct ToneCase {
    const char* text;
    std::uint8_t lower;
    std::uint8_t upper;
};

void PrintTo(const ToneCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ToneWord : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneWord, OneTableDrivesBothDirections) {
    const auto word = Codec::EncodeTone(GetParam().text);
    EXPECT_EQ(word[0], GetParam().lower);
    EXPECT_EQ(word[1], GetParam().upper);
    EXPECT_EQ(Codec::DecodeTone(GetParam().lower, GetParam().upper), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ToneWord,
    ::testing::Values(ToneCase{"67.0", 0x70, 0x06}, ToneCase{"250.3", 0x03, 0x25},
                      ToneCase{"100.0", 0x00, 0x10}, ToneCase{"D023N", 0x23, 0x80},
                      ToneCase{"D754I", 0x54, 0xC7}, ToneCase{"", 0xFF, 0xFF}));

TEST(ToneWordEdges, LowerCasePolarityAndRefusals) {
    // A lower-case polarity is stored upper-case.
    EXPECT_EQ(Codec::EncodeTone("D023n"), (std::array<std::uint8_t, 2>{0x23, 0x80}));
    EXPECT_EQ(Codec::EncodeTone("D754i"), (std::array<std::uint8_t, 2>{0x54, 0xC7}));
    // Words that are neither CTCSS nor DCS give no tone.
    EXPECT_EQ(Codec::DecodeTone(0x00, 0xA1), "");
    for (const char* bad : {"D23N", "D023X", "DXYZN", "abc", "-5", "1000.0", "850.0", "D0234N"})
        EXPECT_THROW(Codec::EncodeTone(bad), CodecError) << bad;
    EXPECT_TRUE(Codec::IsCanonicalTone("67.0"));
    EXPECT_TRUE(Codec::IsCanonicalTone("D023I"));
    EXPECT_FALSE(Codec::IsCanonicalTone("67"));
    EXPECT_FALSE(Codec::IsCanonicalTone("D023n"));
    EXPECT_FALSE(Codec::IsCanonicalTone(""));
}

TEST(ChannelRecord, RefusesFrequenciesTheRecordCannotHold) {
    Record r{};
    for (double bad : {1000.0, 1234.5, -0.5, 999.999996}) {
        ChannelValues c;
        c.rx = bad;
        EXPECT_THROW(Codec::EncodeChannel(r, c), CodecError) << bad;
        c.rx = 450.0;
        c.tx = bad;
        EXPECT_THROW(Codec::EncodeChannel(r, c), CodecError) << bad;
    }
    ChannelValues c;
    c.rx = 450.0;
    c.decodeTone = "D9";
    try {
        Codec::EncodeChannel(r, c);
        FAIL() << "a tone that cannot be stored was accepted";
    } catch (const CodecError& e) {
        EXPECT_TRUE(e.message().contains("\"D9\""));
    }
}

TEST(HeaderRecord, TheDocumentedHeader) {
    Record r{};
    Codec::EncodeHeader(r, "P8524", "400480", "2024-06-05 14:07");
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("50 38 35 32 34 40 04 80 E8 07 06 05 0E 07 "
                                                        "FF FF")));
    const HeaderValues h = Codec::DecodeHeader(r);
    EXPECT_EQ(h.tag, "P8524");
    EXPECT_EQ(h.bandEdges, "400480");
    EXPECT_EQ(h.date, "2024-06-05 14:07");
}

TEST(BandRecord, TheDocumentedBandRecord) {
    Record r{};
    Codec::EncodeBand(r, 247, "8524");
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("00 00 F7 34 32 35 38 50 FF FF FF FF FF FF "
                                                        "FF FF")));
    const BandValues b = Codec::DecodeBand(r);
    EXPECT_EQ(b.bandCode, 247);
    EXPECT_EQ(b.modelCode, "8524");
    Codec::EncodeBand(r, 244, "75");
    EXPECT_EQ(Codec::DecodeBand(r).modelCode, "75");
}

TEST(SettingsRecords, EncodeTheDefaultsAndRoundTripEveryByte) {
    TFun fun;
    Record r{};
    Codec::EncodeBasicSettings(r, fun);
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("03 05 01 06 FF FF FF FF FF FF FF FF FF FF "
                                                        "FF FF")));
    Codec::EncodeOptionSettings(r, fun);
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("01 01 00 00 04 00 01 01 00 01 FF FF FF FF "
                                                        "FF FF")));

    // Byte values are stored as they come, however large.
    const Record basic = RecordFromHex("FE 0C 05 0B FF FF FF FF FF FF FF FF FF FF FF FF");
    const Record option = RecordFromHex("02 03 FF 80 07 11 22 33 44 55 FF FF FF FF FF FF");
    TFun read;
    Codec::DecodeBasicSettings(basic, read);
    Codec::DecodeOptionSettings(option, read);
    EXPECT_EQ(read.SquelchLevel, 12);
    EXPECT_EQ(read.BatterySave, 0x7F);
    EXPECT_EQ(read.ClewVoice, 0);
    EXPECT_EQ(read.FM, 0x55);
    Record again{};
    Codec::EncodeBasicSettings(again, read);
    EXPECT_EQ(again, basic);
    Codec::EncodeOptionSettings(again, read);
    EXPECT_EQ(again, option);
}

TEST(MessageRecord, SplitsLinesAndSkipsFfBytes) {
    Record r{};
    Codec::EncodeMessage(r, "HELLO 123");
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("48 45 4C 4C 4F 20 31 32 33 FF FF FF FF FF "
                                                        "FF FF")));
    const QString line = "ABCDEFGHIJKLMNOPQRST"; // 20 characters
    Codec::EncodeMessage(r, line.mid(16));
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("51 52 53 54 FF FF FF FF FF FF FF FF FF FF "
                                                        "FF FF")));
    Codec::EncodeMessage(r, line);
    EXPECT_EQ(Codec::DecodeMessage(r), "ABCDEFGHIJKLMNOP");
    Codec::EncodeMessage(r, "");
    EXPECT_EQ(Codec::DecodeMessage(r), "");
    EXPECT_EQ(
        Codec::DecodeMessage(RecordFromHex("41 FF 42 43 FF FF FF FF FF FF FF FF FF FF FF FF")),
        "ABC");
    EXPECT_THROW(Codec::EncodeMessage(r, QStringLiteral("提示")), CodecError);
}

TEST(BitmapRecord, PacksFirstCharacterIntoBitZero) {
    Record r{};
    Codec::EncodeBitmap(r, "10110");
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("0D 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                                                        "00 00")));
    Codec::EncodeBitmap(r, QString(16, '1'));
    EXPECT_EQ(RecordToHex(r), RecordToHex(RecordFromHex("FF FF 00 00 00 00 00 00 00 00 00 00 00 00 "
                                                        "00 00")));
}

TEST(MemoryMapTest, CatalogueModelsHave62RecordsAtTheirAddresses) {
    const MemoryMap map(16, 39);
    EXPECT_EQ(map.FileRecordCount(), 62);
    EXPECT_EQ(map.FileSize(), 992);
    EXPECT_EQ(map.Find(RecordKind::Channel, 1).radioAddress, 0x010);
    EXPECT_EQ(map.Find(RecordKind::Channel, 16).radioAddress, 0x100);
    EXPECT_EQ(map.Find(RecordKind::OptionSettings).fileRecord, 55);
    EXPECT_EQ(map.Find(RecordKind::OptionSettings).radioAddress, 0x2B0);
    EXPECT_EQ(map.Find(RecordKind::Message, 0).fileRecord, 56);
    EXPECT_EQ(map.Find(RecordKind::Message, 0).radioAddress, 0x380);
    EXPECT_EQ(map.Find(RecordKind::Message, 3).radioAddress, 0x3B0);
    EXPECT_EQ(map.Find(RecordKind::BasicSettings).radioAddress, 0x3C0);
    EXPECT_EQ(map.Find(RecordKind::Band).fileRecord, 61);
    EXPECT_EQ(map.Find(RecordKind::Band).radioAddress, 0x3D0);
    // File record k stands at radio address 16 k, except option settings and reserved slots.
    for (const MapEntry& e : map.FileOrder()) {
        if (e.kind != RecordKind::OptionSettings && e.kind != RecordKind::Reserved) {
            EXPECT_EQ(e.radioAddress, 16 * e.fileRecord);
        }
    }

    const auto reads = map.ReadOrder();
    ASSERT_EQ(reads.size(), 24u);
    EXPECT_EQ(reads.front().kind, RecordKind::Header);
    EXPECT_EQ(reads.back().kind, RecordKind::OptionSettings);
    EXPECT_EQ(map.WriteOrder().size(), 24u);
}

TEST(MemoryMapTest, LargerModelsCarryBitmaps) {
    const MemoryMap map(32, 10);
    EXPECT_EQ(map.FileRecordCount(), 1 + 32 + 9 + 1 + 4 + 1 + 1 + 4);
    const auto writes = map.WriteOrder();
    ASSERT_EQ(writes.size(), 1u + 32 + 4 + 1 + 1 + 1 + 4);
    EXPECT_EQ(writes[writes.size() - 4].radioAddress, 0x2C0);
    EXPECT_EQ(writes.back().radioAddress, 0x2F0);
    EXPECT_EQ(writes.back().kind, RecordKind::ScanBitmap);
}

} // namespace
