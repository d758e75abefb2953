#include "image/CodeplugCsv.h"
#include "Fixture.h"
#include "TestUtil.h"
#include "image/CodeplugJson.h"
#include "image/CsvReader.h"
#include "image/DataFile.h"
#include "model/TMacList.h"

namespace {

// Every tone combination, each duplex, both rasters, every switch both ways.
const char* kFull = R"({
  "model": "7524",
  "band": "136 - 174MHz",
  "channels": [
    {"channel": 1, "rx": "146.52000", "tx": "146.52000", "decode": null, "encode": null, "power": "High", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 2, "rx": "146.52000", "tx": "147.12000", "decode": null, "encode": "88.5", "power": "Low", "bandwidth": "Narrow", "scan_add": "No", "beat_shift": "No", "busy_lockout": "No"},
    {"channel": 3, "rx": "147.00000", "tx": "146.40000", "decode": "100.0", "encode": "100.0", "power": "High", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "No", "busy_lockout": "Yes"},
    {"channel": 4, "rx": "151.00625", "tx": null, "decode": "D754I", "encode": "D754N", "power": "Low", "bandwidth": "Wide", "scan_add": "No", "beat_shift": "Yes", "busy_lockout": "No"},
    {"channel": 5, "rx": "151.01250", "tx": "151.01250", "decode": "67.0", "encode": "254.1", "power": "High", "bandwidth": "Narrow", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 6, "rx": "155.00000", "tx": "155.00000", "decode": null, "encode": "D023N", "power": "High", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 7, "rx": "155.00000", "tx": "155.00000", "decode": "D025I", "encode": null, "power": "High", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 8, "rx": "155.00000", "tx": "155.00000", "decode": "D031N", "encode": "71.9", "power": "High", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 10, "rx": "160.00000", "tx": "160.00000", "decode": "79.7", "encode": "D032I", "power": "High", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 12, "rx": "160.00000", "tx": "160.00000", "decode": "82.5", "encode": null, "power": "High", "bandwidth": "Wide", "scan_add": "Yes", "beat_shift": "Yes", "busy_lockout": "Yes"},
    {"channel": 16, "rx": "173.99375", "tx": "136.00000", "decode": "D043I", "encode": "D047N", "power": "Low", "bandwidth": "Narrow", "scan_add": "No", "beat_shift": "No", "busy_lockout": "No"}
  ],
  "settings": {"BatterySave": 3, "ClewVoice": 1, "SquelchLevel": 5, "SideKey": 2, "TxTimeOut": 6, "VoxFunction": 1, "VoxInhibitOnReceive": 0, "VoxGainLevel": 2, "VoiceAnnunciation": 1, "Scan": 0, "Voice": 1, "HighVolInhibitTx": 1, "LowVolInhibitTx": 0, "InceptAlarm": 0, "FM": 1},
  "message": {"line1": "CSV ROUND TRIP", "line2": "LINE 2"}
}
)";

class CodeplugCsvTest : public CodeplugFixture {
  protected:
    CodeplugCsvTest() { qputenv("SOURCE_DATE_EPOCH", "1700000000"); }
    ~CodeplugCsvTest() override { qunsetenv("SOURCE_DATE_EPOCH"); }

    const TMacType& vhf() const { return *ctx.models().FindByCode("7524"); }

    void applyFull() {
        const auto parsed = CodeplugJson::Read(kFull, ctx.models(), ctx.bands());
        ASSERT_TRUE(parsed) << parsed.error().toStdString();
        doc.Apply(parsed->codeplug);
    }

    // The channel the single data line gives, read after the given header.
    Result<CodeplugCsv::Parsed> readLine(const QByteArray& header, const QByteArray& line) {
        return CodeplugCsv::Read(header + "\r\n" + line + "\r\n", vhf());
    }
};

TEST_F(CodeplugCsvTest, ExportThenImportGivesTheSameDataFile) {
    applyFull();
    doc.SetFileName(path("before.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    ASSERT_TRUE(doc.ExportCsvFile(path("channels.csv")));

    // The import replaces every channel: clear the table first so that a
    // channel the CSV lost would show.
    doc.ReplaceChannels({});
    ASSERT_TRUE(doc.ImportCsvFile(path("channels.csv")).imported);
    EXPECT_TRUE(ctx.all().Changed);
    doc.SetFileName(path("after.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    EXPECT_EQ(ReadFileBytes(path("after.dat")), ReadFileBytes(path("before.dat")));
    EXPECT_TRUE(prompter.Log().isEmpty());
}

TEST_F(CodeplugCsvTest, ExportWritesTheCommonLayout) {
    std::vector<std::optional<ChannelValues>> channels(16);
    channels[2] =
        ChannelValues{438.5,     433.5,      "D023N",  "D023I", Power::High, Bandwidth::Narrow,
                      YesNo::No, YesNo::Yes, YesNo::No};
    channels[4] = ChannelValues{446.00625,       std::nullopt, "",        "67.0",    Power::Low,
                                Bandwidth::Wide, YesNo::Yes,   YesNo::No, YesNo::Yes};
    const QByteArray csv = CodeplugCsv::Write(channels);
    EXPECT_EQ(csv, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                   "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                   "RPT1CALL,RPT2CALL,DVCODE,BeatShift,BusyLockout\r\n"
                   "3,,438.500000,-,5.000000,DTCS,88.5,88.5,023,RN,023,Tone->Tone,NFM,5.00,S,"
                   "High,,,,,,Yes,No\r\n"
                   "5,,446.006250,off,0.000000,Tone,67.0,88.5,023,NN,023,Tone->Tone,FM,6.25,,"
                   "Low,,,,,,No,Yes\r\n");
}

// Lines as other tools and spreadsheets write them, and the channel each gives.
TEST_F(CodeplugCsvTest, ForeignLinesGiveTheirChannels) {
    const QByteArray common = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                              "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                              "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
    struct Case {
        const char* what;
        QByteArray header;
        QByteArray line;
        ChannelValues want;
    };
    // Absent BeatShift and BusyLockout are No (1); absent power is High.
    const Case cases[] = {
        {"no tone, simplex",
         common,
         "1,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,",
         {146.52, 146.52, "", "", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No, YesNo::No}},
        {"Tone with - offset",
         common,
         "1,RPT,145.350000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,0.5W,,,,,",
         {145.35, 144.75, "", "100.0", Power::Low, Bandwidth::Narrow, YesNo::No, YesNo::No,
          YesNo::No}},
        {"TSQL takes cToneFreq both ways",
         common,
         "1,,146.940000,+,0.600000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
         {146.94, 147.54, "123.0", "123.0", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"DTCS with reversed receive",
         common,
         "1,,146.940000,,0.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,FM,5.00,,Low,,,,,",
         {146.94, 146.94, "D754I", "D754N", Power::Low, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"split",
         common,
         "1,,150.000000,split,160.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
         {150.0, 160.0, "", "", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No, YesNo::No}},
        {"off: no transmit",
         common,
         "1,,150.000000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
         {150.0, std::nullopt, "", "", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"Cross Tone->Tone",
         common,
         "1,,150.000000,,0,Cross,67.0,71.9,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
         {150.0, 150.0, "71.9", "67.0", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"Cross DTCS->",
         common,
         "1,,150.000000,,0,Cross,88.5,88.5,031,RN,023,DTCS->,FM,5.00,,High,,,,,",
         {150.0, 150.0, "", "D031I", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"Cross ->DTCS",
         common,
         "1,,150.000000,,0,Cross,88.5,88.5,023,NR,047,->DTCS,FM,5.00,,High,,,,,",
         {150.0, 150.0, "D047I", "", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"Cross Tone->DTCS",
         common,
         "1,,150.000000,,0,Cross,79.7,88.5,023,NN,152,Tone->DTCS,FM,5.00,,High,,,,,",
         {150.0, 150.0, "D152N", "79.7", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"Cross DTCS->Tone",
         common,
         "1,,150.000000,,0,Cross,88.5,94.8,065,NN,023,DTCS->Tone,FM,5.00,,High,,,,,",
         {150.0, 150.0, "94.8", "D065N", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"Cross ->Tone",
         common,
         "1,,150.000000,,0,Cross,88.5,94.8,023,NN,023,->Tone,FM,5.00,,High,,,,,",
         {150.0, 150.0, "94.8", "", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"Cross DTCS->DTCS",
         common,
         "1,,150.000000,,0,Cross,88.5,88.5,023,RR,025,DTCS->DTCS,FM,5.00,,High,,,,,",
         {150.0, 150.0, "D025I", "D023I", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"quoted fields, a comma in the name",
         common,
         "\"2\",\"Net, Sunday\",\"146.520000\",\"\",\"0\",\"Tone\",\"103.5\",,,,,,\"FM\",,,,,,,,",
         {146.52, 146.52, "", "103.5", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"columns in another order, extra and missing",
         "Frequency,Extra,Location,Mode,BeatShift",
         "146.000000,whatever,7,NFM,Yes",
         {146.0, 146.0, "", "", Power::High, Bandwidth::Narrow, YesNo::Yes, YesNo::Yes, YesNo::No}},
        {"a byte-order mark and a short DCS code",
         "\xEF\xBB\xBFLocation,Frequency,Tone,DtcsCode",
         "3,146.0,DTCS,23",
         {146.0, 146.0, "D023N", "D023N", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
        {"off the raster: moved down",
         "Location,Frequency",
         "1,146.0081",
         {146.00625, 146.00625, "", "", Power::High, Bandwidth::Wide, YesNo::Yes, YesNo::No,
          YesNo::No}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = readLine(c.header, c.line);
        ASSERT_TRUE(read) << read.error().toStdString();
        ASSERT_TRUE(read->invalid.isEmpty()) << read->invalid.first().text().toStdString();
        int filled = 0;
        for (const auto& slot : read->channels)
            if (slot) {
                ++filled;
                EXPECT_EQ(*slot, c.want)
                    << slot->rx << " " << slot->tx.value_or(-1) << " "
                    << slot->decodeTone.toStdString() << " " << slot->encodeTone.toStdString();
            }
        EXPECT_EQ(filled, 1);
    }
}

TEST_F(CodeplugCsvTest, InvalidLinesAreReportedWithTheirNumbersAndTheRestIsRead) {
    const QByteArray csv = "Location,Frequency,Duplex,Offset,Tone,DtcsCode,rToneFreq,Mode\n"
                           "1,146.0,,,,,,FM\n"
                           "2,66.0,,,,,,FM\n"         // below the VHF model
                           "3,146.0,+,160,,,,FM\n"    // TX above it
                           "4,146.0,,,DTCS,089,,FM\n" // not octal
                           "17,146.0,,,,,,FM\n"       // beyond 16 channels
                           "\n"
                           "5,146.0,,,Tone,,12.0,FM\n" // CTCSS out of range
                           "6,\"146.0\n\",,,,,,AM\n"   // a quoted line break, then AM
                           "1,147.0,,,,,,FM\n"         // location given twice
                           "7,146.0,,,,,,NFM\r\n";
    const auto read = CodeplugCsv::Read(csv, vhf());
    ASSERT_TRUE(read) << read.error().toStdString();
    const CodeplugCsv::Parsed& parsed = *read;
    QList<int> lines;
    for (const auto& p : parsed.invalid)
        lines << p.line;
    EXPECT_EQ(lines, (QList<int>{3, 4, 5, 6, 8, 9, 11}));
    EXPECT_TRUE(parsed.invalid[2].message.contains("not an octal DCS code"));
    EXPECT_TRUE(parsed.invalid[3].message.contains("outside 1 to 16"));
    EXPECT_TRUE(parsed.channels[0] && parsed.channels[0]->rx == 146.0);
    EXPECT_TRUE(parsed.channels[6] && parsed.channels[6]->bandwidth == Bandwidth::Narrow);
    for (int i : {1, 2, 3, 4, 5})
        EXPECT_FALSE(parsed.channels[static_cast<size_t>(i)]) << i;
}

TEST_F(CodeplugCsvTest, FilesThatAreNoChannelListAreRefusedWhole) {
    for (const QByteArray& csv : {QByteArray(), QByteArray("Name,Frequency\n1,146.0\n"),
                                  QByteArray("Location,Frequency\n1,\"146.0\n")}) {
        SCOPED_TRACE(csv.toStdString());
        const auto parsed = CodeplugCsv::Read(csv, vhf());
        EXPECT_FALSE(parsed);
        EXPECT_FALSE(parsed.error().isEmpty());
    }
}

TEST_F(CodeplugCsvTest, ReaderKeepsQuotesCommasAndLineNumbers) {
    const auto parsed = CsvReader::Parse("a,\"b,\"\"c\"\"\",\r\n\r\n\"multi\nline\",x\rlast,\"\"");
    ASSERT_TRUE(parsed);
    const std::vector<CsvReader::Row>& rows = *parsed;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].fields, (QStringList{"a", "b,\"c\"", ""}));
    EXPECT_EQ(rows[0].line, 1);
    EXPECT_EQ(rows[1].fields, (QStringList{"multi\nline", "x"}));
    EXPECT_EQ(rows[1].line, 3);
    EXPECT_EQ(rows[2].fields, (QStringList{"last", ""}));
    EXPECT_EQ(rows[2].line, 5);
    EXPECT_EQ(CsvReader::Quote("a,\"b\""), "\"a,\"\"b\"\"\"");
    EXPECT_EQ(CsvReader::Quote("plain"), "plain");
}

TEST_F(CodeplugCsvTest, WindowImportAsksBeforeLeavingLinesOut) {
    applyFull();
    ctx.all().Changed = false;
    WriteFileBytes(path("plan.csv"), "Location,Frequency\n1,146.0\n2,999\n");
    dialogs.opens.enqueue(path("plan.csv"));
    prompter.Enqueue(Prompt::kNo);
    doc.ImportCsv();
    ASSERT_EQ(prompter.Log().size(), 1);
    EXPECT_EQ(prompter.Log()[0].kind, Prompt::kYesNo);
    EXPECT_TRUE(prompter.Log()[0].text.contains("line 3: frequency 999.000000 MHz"));
    EXPECT_FALSE(prompter.Log()[0].text.contains("\\n"));
    EXPECT_EQ(dialogs.lastKind, FileKind::Csv);
    EXPECT_FALSE(ctx.all().Changed);
    EXPECT_EQ(doc.Capture().channels[1]->rx, 146.52);

    dialogs.opens.enqueue(path("plan.csv"));
    prompter.Enqueue(Prompt::kYes);
    doc.ImportCsv();
    EXPECT_TRUE(ctx.all().Changed);
    const Codeplug after = doc.Capture();
    EXPECT_EQ(after.channels[0]->rx, 146.0);
    EXPECT_FALSE(after.channels[1]);
    EXPECT_EQ(after.message.Line1, "CSV ROUND TRIP"); // the rest of the codeplug stays
}

TEST_F(CodeplugCsvTest, AnUnreadableFileChangesNothing) {
    applyFull();
    ctx.all().Changed = false;
    EXPECT_FALSE(doc.ImportCsvFile(path("absent.csv")).imported);
    WriteFileBytes(path("notes.csv"), "just some notes\n");
    EXPECT_FALSE(doc.ImportCsvFile(path("notes.csv")).imported);
    // Only refused lines: nothing to agree to, and the table stays.
    WriteFileBytes(path("uhf.csv"), "Location,Frequency\n1,446.0\n2,450.0\n");
    EXPECT_FALSE(doc.ImportCsvFile(path("uhf.csv")).imported);
    ASSERT_EQ(prompter.Log().size(), 3);
    EXPECT_TRUE(prompter.Log()[0].text.contains(path("absent.csv")));
    EXPECT_TRUE(prompter.Log()[1].text.contains("no column \"Location\""));
    EXPECT_EQ(prompter.Log()[2].kind, Prompt::kInfo);
    EXPECT_TRUE(prompter.Log()[2].text.contains("no line gives a channel"));
    EXPECT_TRUE(prompter.Log()[2].text.contains("line 3: frequency 450.000000 MHz"));
    EXPECT_FALSE(ctx.all().Changed);
    EXPECT_TRUE(doc.Capture().channels[15]);
}

} // namespace
