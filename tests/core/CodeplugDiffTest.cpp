#include "app/CodeplugDiff.h"
#include "CodeplugBuilder.h"
#include "app/AppContext.h"
#include "model/TMacList.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

const ChannelValues kSimplex{462.5625,        462.5625,   "",         "",        Power::High,
                             Bandwidth::Wide, YesNo::Yes, YesNo::Yes, YesNo::Yes};
const ChannelValues kRepeater{
    438.5, 433.5, "D023N", "67.0", Power::Low, Bandwidth::Narrow, YesNo::No, YesNo::Yes, YesNo::No};

class CodeplugDiffTest : public ::testing::Test {
  protected:
    Codeplug base() const {
        return CodeplugBuilder(ctx, "8524")
            .Band("400 - 480MHz")
            .Channel(1, kSimplex)
            .Channel(3, kRepeater)
            .Message("HELLO", "")
            .Build();
    }
    QStringList diff(const Codeplug& a, const Codeplug& b,
                     const FieldNames& names = FieldNames::English()) const {
        QStringList lines;
        for (const CodeplugDiff::Difference& d : CodeplugDiff::Compare(a, b, names))
            lines << d.Text();
        return lines;
    }

    QTemporaryDir dir;
    AppContext ctx{dir.path()};
};

struct Case {
    const char* what;
    std::function<void(Codeplug&)> change;
    QStringList want;
};

TEST_F(CodeplugDiffTest, NamesEachFieldWithBothValuesAsTheWindowsShowThem) {
    const Case cases[] = {
        {"equal", [](Codeplug&) {}, {}},
        {"a TX frequency",
         [](Codeplug& c) { c.channels[2]->tx = 438.525; },
         {"channel 3 TX Frequency: 433.50000 -> 438.52500"}},
        {"no TX frequency any more",
         [](Codeplug& c) { c.channels[2]->tx.reset(); },
         {"channel 3 TX Frequency: 433.50000 -> (empty)"}},
        {"a channel in use on one side only is one difference",
         [](Codeplug& c) { c.channels[4] = kRepeater; },
         {"channel 5 RX Frequency: (empty) -> 438.50000"}},
        {"a channel cleared",
         [](Codeplug& c) { c.channels[0].reset(); },
         {"channel 1 RX Frequency: 462.56250 -> (empty)"}},
        {"tones, power, bandwidth and the switches",
         [](Codeplug& c) {
             c.channels[0]->decodeTone = "D023N";
             c.channels[0]->encodeTone = "254.1";
             c.channels[0]->power = Power::Low;
             c.channels[0]->bandwidth = Bandwidth::Narrow;
             c.channels[0]->scanAdd = YesNo::No;
             c.channels[0]->beatShift = YesNo::No;
             c.channels[0]->busyLockout = YesNo::No;
             c.channels[2]->decodeTone.clear();
         },
         {"channel 1 QT/DQT Dec: None -> D023N", "channel 1 QT/DQT Enc: None -> 254.1",
          "channel 1 TX Power: High -> Low", "channel 1 W/N: Wide -> Narrow",
          "channel 1 Scan Add: Yes -> No", "channel 1 Beat Shift: Yes -> No",
          "channel 1 Busy Lockout: Yes -> No", "channel 3 QT/DQT Dec: D023N -> None"}},
        {"function settings: lists, a value its list lacks, the gain from 1, check boxes",
         [](Codeplug& c) {
             c.fun.SquelchLevel = 7;
             c.fun.SideKey = 4;
             c.fun.TxTimeOut = 0;
             c.fun.VoxGainLevel = 2;
             c.fun.BatterySave = 0;
             c.fun.VoxFunction = 1;
         },
         {"Battery Save: On -> Off", "Squelch level: 5 -> 7", "Side Key: Monmome -> 4",
          "TX Time Out: 180 -> Off", "VOX Function: Off -> On", "VOX Gain Level: 5 -> 3"}},
        {"message lines, quoted so that spaces and control characters show",
         [](Codeplug& c) {
             c.message.Line1 = "HI  ";
             c.message.Line2 = QStringLiteral("A\x1B");
         },
         {"Embedded Message 1: \"HELLO\" -> \"HI  \"", "Embedded Message 2: \"\" -> \"A\\x1B\""}},
        {"model and band first, then channels, settings, message",
         [](Codeplug& c) {
             c.bandText = "450 - 470MHz";
             c.message.Line2 = "X";
             c.fun.Scan = 1;
             c.channels[15] = kSimplex;
         },
         {"Frequency: 400 - 480MHz -> 450 - 470MHz",
          "channel 16 RX Frequency: (empty) -> 462.56250", "Scan: Off -> On",
          "Embedded Message 2: \"\" -> \"X\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Codeplug after = base();
        c.change(after);
        EXPECT_EQ(diff(base(), after), c.want);
    }
}

TEST_F(CodeplugDiffTest, AnotherModelIsNamedAndItsChannelsCompared) {
    const Codeplug vhf = CodeplugBuilder(ctx, "7524").Channel(1, kSimplex).Build();
    const QStringList lines = diff(base(), vhf);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "Model Type: QX7(UHF) -> QX7(VHF)");
    EXPECT_EQ(lines[1], "Frequency: 400 - 480MHz -> 150 - 174MHz");
    EXPECT_TRUE(lines.contains("channel 3 RX Frequency: 438.50000 -> (empty)"));
    EXPECT_FALSE(lines.join('\n').contains("channel 1"));
}

TEST_F(CodeplugDiffTest, NamesComeFromTheLanguageInUse) {
    FieldNames names = FieldNames::English();
    names.channel = QStringLiteral("信道");
    names.columns[2] = QStringLiteral("发射频率");
    names.columns[5] = QStringLiteral("功率");
    names.power = {QStringLiteral("低"), QStringLiteral("高")};
    names.settings[0].caption = QStringLiteral("省电");
    names.on = QStringLiteral("已启动");
    names.off = QStringLiteral("已关闭");
    names.empty = QStringLiteral("（空）");
    Codeplug after = base();
    after.channels[2]->tx.reset();
    after.channels[2]->power = Power::High;
    after.fun.BatterySave = 0;
    EXPECT_EQ(diff(base(), after, names),
              (QStringList{QStringLiteral("信道 3 发射频率: 433.50000 -> （空）"),
                           QStringLiteral("信道 3 功率: 低 -> 高"),
                           QStringLiteral("省电: 已启动 -> 已关闭")}));
    const auto found = CodeplugDiff::Compare(base(), after, names);
    EXPECT_EQ(found[0].channel, 3);
    EXPECT_EQ(found[0].column, 3);
    EXPECT_EQ(found[2].channel, 0);
}

TEST_F(CodeplugDiffTest, AFaithfulReadBackDiffersOnlyByTheReadsRangeCheck) {
    Codeplug written = base();
    written.fun.SideKey = 7;      // the read puts a side key beyond 5 back to Off
    written.fun.SquelchLevel = 9; // in range: kept
    const Codeplug readBack = CodeplugDiff::AsReadBack(written, ctx.bands(), ctx.models());
    EXPECT_EQ(diff(written, readBack), QStringList{"Side Key: 7 -> Off"});
    EXPECT_TRUE(
        diff(readBack, CodeplugDiff::AsReadBack(readBack, ctx.bands(), ctx.models())).isEmpty());
}

TEST_F(CodeplugDiffTest, ACodeplugSavedAndOpenedAgainComparesEqual) {
    Codeplug c = base();
    c.fun.SideKey = 7; // a file keeps what a radio would not
    const Codeplug saved = CodeplugDiff::AsSaved(c, ctx.bands(), ctx.models());
    EXPECT_TRUE(diff(c, saved).isEmpty()) << diff(c, saved).join('\n').toStdString();
    c.channels[2]->tx = 433.525;
    EXPECT_EQ(diff(c, saved), QStringList{"channel 3 TX Frequency: 433.52500 -> 433.50000"});
}

} // namespace
