#include "image/CodeplugJson.h"
#include "Fixture.h"
#include "TestUtil.h"
#include "image/DataFile.h"

namespace {

// Every kind of field: a gap, a channel without TX, both tone kinds, odd settings.
const char* kFull = R"({
  "model": "7524",
  "band": "136 - 174MHz",
  "channels": [
    {"channel": 2, "rx": "146.52000", "tx": "146.52000", "decode": "100.0", "encode": "D754I", "power": "High", "bandwidth": "Narrow", "scan_add": "No", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 9, "rx": "151.00625", "tx": null, "decode": null, "encode": null, "power": "Low", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "No", "busy_lockout": "Yes"},
    {"channel": 16, "rx": "299.99375", "tx": "67.00000", "decode": "254.1", "encode": "D023N", "power": "Low", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "No"}
  ],
  "settings": {"BatterySave": 127, "ClewVoice": 0, "SquelchLevel": 12, "SideKey": 4, "TxTimeOut": 255, "VoxFunction": 1, "VoxInhibitOnReceive": 0, "VoxGainLevel": 0, "VoiceAnnunciation": 1, "Scan": 0, "Voice": 1, "HighVolInhibitTx": 1, "LowVolInhibitTx": 1, "InceptAlarm": 0, "FM": 1},
  "message": {"line1": "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", "line2": "HELLO 123"}
}
)";

class CodeplugJsonTest : public CodeplugFixture {
  protected:
    Result<CodeplugJson::Parsed> read(const QByteArray& json) {
        return CodeplugJson::Read(json, ctx.models(), ctx.bands());
    }
};

TEST_F(CodeplugJsonTest, ImportSaveOpenExportGivesTheSameText) {
    const auto parsed = read(kFull);
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    EXPECT_TRUE(parsed->warnings.isEmpty());
    doc.Apply(parsed->codeplug);
    doc.SetFileName(path("full.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    const auto decoded = DataFile::Read(path("full.dat"), ctx.models(), ctx.bands());
    ASSERT_TRUE(decoded) << decoded.error().toStdString();
    EXPECT_EQ(CodeplugJson::Write(decoded->codeplug), QByteArray(kFull));
}

struct RefusalCase {
    const char* from;
    const char* to;
    const char* names; // part of the error
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.to;
}

class Refusal : public CodeplugJsonTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, NamesTheChannelOrField) {
    QByteArray json(kFull);
    ASSERT_TRUE(json.contains(GetParam().from)) << GetParam().from;
    json.replace(GetParam().from, GetParam().to);
    const auto parsed = read(json);
    EXPECT_FALSE(parsed);
    EXPECT_TRUE(parsed.error().contains(QString::fromUtf8(GetParam().names)))
        << parsed.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Strict, Refusal,
    ::testing::Values(
        RefusalCase{"\"7524\"", "\"7525\"", "model: \"7525\""},
        RefusalCase{"136 - 174MHz", "136-174MHz", "band"},
        RefusalCase{"\"channel\": 9", "\"channel\": 17", "channel number 17"},
        RefusalCase{"\"channel\": 9", "\"channel\": 0", "channel number 0"},
        RefusalCase{"\"channel\": 9", "\"channel\": 2", "channel 2: given twice"},
        RefusalCase{"\"151.00625\"", "\"301.0\"", "channel 9: RX frequency 301.0 is outside"},
        RefusalCase{"\"67.00000\"", "\"66.5\"", "channel 16: TX frequency 66.5"},
        RefusalCase{"\"146.52000\", \"tx\"", "\"abc\", \"tx\"", "channel 2: RX frequency abc"},
        RefusalCase{"\"100.0\"", "\"67\"", "channel 2: decode tone 67"},
        RefusalCase{"\"D754I\"", "\"D754i\"", "channel 2: encode tone D754i"},
        RefusalCase{"\"power\": \"High\"", "\"power\": \"Hi\"", "channel 2: power Hi"},
        RefusalCase{"\"beat_shift\": \"No\"", "\"beat_shift\": 1", "channel 9: beat_shift"},
        RefusalCase{"\"busy_lockout\": \"No\"}", "\"busy_lockout\": \"No\", \"x\": 1}",
                    "unknown key \"x\""},
        RefusalCase{"\"tx\": null, ", "", "missing key \"tx\""},
        RefusalCase{"\"TxTimeOut\": 255", "\"TxTimeOut\": 256", "settings.TxTimeOut: 256"},
        RefusalCase{"\"SquelchLevel\": 12", "\"SquelchLevel\": -1", "settings.SquelchLevel"},
        RefusalCase{"\"ClewVoice\": 0", "\"ClewVoice\": 2", "settings.ClewVoice: 2"},
        RefusalCase{"\"BatterySave\": 127", "\"BatterySave\": 128", "settings.BatterySave"},
        RefusalCase{"\"FM\": 1", "\"FM\": 1.5", "settings.FM"},
        RefusalCase{"\"FM\": 1}", "\"FM\": 1, \"Extra\": 0}", "unknown key \"Extra\""},
        RefusalCase{"012345\"", "0123456\"", "message.line1: 33 characters"},
        RefusalCase{"HELLO 123", "HELLO 提示", "message.line2: the character \"提\""},
        RefusalCase{"HELLO 123", "HELLO \xC3\xBF", "message.line2"},
        RefusalCase{"\"message\"", "\"messages\"", "unknown key \"messages\""},
        RefusalCase{"{\n  \"model\"", "[{\n  \"model\"", "not valid JSON"},
        // Tones: exactly the forms of the tone table.
        RefusalCase{"\"D754I\"", "\"D999N\"", "channel 2: encode tone D999N is not a valid"},
        RefusalCase{"\"D754I\"", "\"D778N\"", "channel 2: encode tone D778N"},
        RefusalCase{"\"100.0\"", "\"300.0\"", "channel 2: decode tone 300.0"},
        RefusalCase{"\"100.0\"", "\"29.9\"", "channel 2: decode tone 29.9"},
        RefusalCase{"\"100.0\"", "\"0.1\"", "channel 2: decode tone 0.1"},
        RefusalCase{"\"100.0\"", "\"999.9\"", "channel 2: decode tone 999.9"},
        RefusalCase{"\"100.0\"", "\"100.05\"", "channel 2: decode tone 100.05"},
        // Frequencies that are no number, however a number converter takes them.
        RefusalCase{"\"151.00625\"", "\"nan\"", "channel 9: RX frequency nan is not a number"},
        RefusalCase{"\"151.00625\"", "\"inf\"", "channel 9: RX frequency inf is not a number"},
        RefusalCase{"\"67.00000\"", "\"-infinity\"", "channel 16: TX frequency -infinity"},
        // A key given twice is refused, wherever it stands, escaped or not.
        RefusalCase{"\"model\": \"7524\"", "\"model\": \"7524\", \"model\": \"8524\"",
                    "codeplug: the key \"model\" is given twice"},
        RefusalCase{"\"channel\": 9, \"rx\"", "\"channel\": 9, \"r\\u0078\": \"1\", \"rx\"",
                    "channels[1]: the key \"rx\" is given twice"},
        RefusalCase{"\"FM\": 1}", "\"FM\": 1, \"FM\": 0}",
                    "settings: the key \"FM\" is given twice"},
        // A value of the wrong type says so.
        RefusalCase{"\"channel\": 9", "\"channel\": \"9\"",
                    "channels[1]: channel must be a number"},
        RefusalCase{"\"151.00625\"", "151.00625", "channel 9: RX frequency must be a text"},
        RefusalCase{"\"100.0\"", "100.0", "channel 2: decode tone must be a text"},
        RefusalCase{"\"power\": \"High\"", "\"power\": 1", "channel 2: power must be a text"},
        RefusalCase{"\"TxTimeOut\": 255", "\"TxTimeOut\": \"255\"",
                    "settings.TxTimeOut must be a number"},
        RefusalCase{"\"HELLO 123\"", "123", "message.line2 must be a text"},
        RefusalCase{"\"model\": \"7524\"", "\"model\": 7524", "model must be a text"},
        // The band must be one of the model's own.
        RefusalCase{"136 - 174MHz", "450 - 470MHz",
                    "band: \"450 - 470MHz\" is not a band of model 7524"}));

TEST_F(CodeplugJsonTest, MessagesQuoteInputShortAndEscaped) {
    QByteArray json(kFull);
    const QByteArray key = "\u001b[31m" + QByteArray(1 << 20, 'k');
    json.replace("\"busy_lockout\": \"No\"}", "\"busy_lockout\": \"No\", \"" + key + "\": 1}");
    const auto parsed = read(json);
    ASSERT_FALSE(parsed);
    EXPECT_LT(parsed.error().size(), 200);
    EXPECT_TRUE(parsed.error().contains("unknown key \"\\x1B[31mkkk"))
        << parsed.error().toStdString();
    EXPECT_FALSE(parsed.error().contains(QChar(0x1B)));
    EXPECT_TRUE(parsed.error().contains(QChar(0x2026)));
}

TEST_F(CodeplugJsonTest, OffRasterFrequenciesAreSnappedWithAWarning) {
    QByteArray json(kFull);
    json.replace("\"146.52000\", \"tx\"", "\"146.52300\", \"tx\"");
    const auto parsed = read(json);
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    ASSERT_EQ(parsed->warnings.size(), 1);
    EXPECT_TRUE(parsed->warnings[0].contains("channel 2: RX frequency 146.52300"));
    EXPECT_TRUE(parsed->warnings[0].contains("146.52000"));
    EXPECT_DOUBLE_EQ(parsed->codeplug.channels[1]->rx, 146.52);
}

} // namespace
