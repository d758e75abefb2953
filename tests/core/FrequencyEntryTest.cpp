// Typed frequencies: one table of inputs through every place that takes them.

#include "Fixture.h"
#include "channels/BatchFill.h"
#include "channels/ChannelEditing.h"

namespace {

using namespace ChannelEditing;
using Col = ChannelStore::Column;

struct Entry {
    const char* typed;
    const char* grid;       // the RX cell after the grid commits the text
    const char* gridPrompt; // "", "OutRange" or "ErrRange"
    const char* rx;         // what Channel Edit's RX field shows; nullptr: nothing written
    const char* rxPrompt;
    const char* snapped; // Batch Channel Edit's field after the change
    const char* test;    // the test frequency cell
    const char* testPrompt;
};

void PrintTo(const Entry& e, std::ostream* os) {
    *os << '"' << e.typed << '"';
}

class FrequencyEntry : public CodeplugFixture, public ::testing::WithParamInterface<Entry> {
  protected:
    /** The message keys prompted since the last call, as one text. */
    QString prompts() {
        QStringList keys;
        for (const auto& p : prompter.Log()) {
            EXPECT_EQ(p.caption, ctx.texts().Caution);
            keys << (p.text == ctx.texts().ErrRange   ? "ErrRange"
                     : p.text == ctx.texts().OutRange ? "OutRange"
                                                      : p.text);
        }
        prompter.ClearLog();
        return keys.join(',');
    }
};

// The UHF model: limits 300 and 650 MHz, band 450 - 470MHz.
TEST_P(FrequencyEntry, TakesOneRuleEverywhere) {
    const Entry& e = GetParam();
    const QString typed = QString::fromLatin1(e.typed);

    CommitCellText(ctx, store, prompter, 1, Col::ColRx, typed);
    EXPECT_EQ(store.CellText(1, Col::ColRx), e.grid);
    EXPECT_EQ(prompts(), e.gridPrompt);

    const auto rx = EnterChannelRx(ctx, prompter, typed, QString());
    EXPECT_EQ(rx.has_value(), e.rx != nullptr);
    if (rx && e.rx) {
        EXPECT_EQ(rx->rx, e.rx);
        EXPECT_EQ(rx->tx, e.rx); // an empty TX follows RX
    }
    EXPECT_EQ(prompts(), e.rxPrompt);

    EXPECT_EQ(SnappedText(typed), e.snapped);
    EXPECT_EQ(prompts(), "");

    EXPECT_EQ(TestFrequencyText(ctx, prompter, typed), e.test);
    EXPECT_EQ(prompts(), e.testPrompt);
}

const char* const k20Digits = "12345678901234567890";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, FrequencyEntry, ::testing::Values(
    Entry{"460.0075", "460.00625", "", "460.00625", "", "460.00625", "460.00750", ""},
    Entry{" 460 ", "460.00000", "", "460.00000", "", "460.00000", "460.00000", ""},
    Entry{"450", "450.00000", "", "450.00000", "", "450.00000", "450.00000", ""},
    Entry{"470", "470.00000", "", "470.00000", "", "470.00000", "470.00000", ""},
    Entry{"438.5", "438.50000", "OutRange", "438.50000", "OutRange", "438.50000", "438.50000", "OutRange"},
    Entry{"650", "650.00000", "OutRange", "650.00000", "OutRange", "650.00000", "650.00000", "OutRange"},
    Entry{"650.00001", "470.00000", "ErrRange", "470.00000", "ErrRange", "650.00000", "470.00000", "ErrRange"},
    Entry{"299.99", "450.00000", "ErrRange", "450.00000", "ErrRange", "299.99000", "450.00000", "ErrRange"},
    Entry{"1.2.3", "470.00000", "OutRange", nullptr, "ErrRange", "1.2.3", "", ""},
    Entry{"nan", "470.00000", "OutRange", nullptr, "ErrRange", "nan", "", ""},
    Entry{"inf", "470.00000", "OutRange", nullptr, "ErrRange", "inf", "", ""},
    Entry{"-infinity", "470.00000", "OutRange", nullptr, "ErrRange", "-infinity", "", ""},
    Entry{k20Digits, "470.00000", "OutRange", nullptr, "ErrRange", k20Digits, "", ""},
    Entry{"", "", "", nullptr, "ErrRange", "", "", ""}));
// clang-format on

TEST(ParseFrequencyTest, TakesOnlyFiniteNumbersOfAFrequencysSize) {
    EXPECT_EQ(ParseFrequency("438.5"), 438.5);
    EXPECT_EQ(ParseFrequency("90000000000000"), 9e13); // the largest still counted in 10 Hz
    EXPECT_FALSE(ParseFrequency("90000000000001"));
    EXPECT_FALSE(ParseFrequency("NAN"));
    EXPECT_FALSE(ParseFrequency("1e400")); // beyond a double
    EXPECT_FALSE(ParseFrequency("   "));
}

TEST(SnapFrequencyTest, NeverOverflows) {
    EXPECT_TRUE(std::isnan(SnapFrequency(std::nan(""))));
    EXPECT_EQ(SnapFrequency(1e19), 1e19);
    EXPECT_EQ(SnapFrequency(-INFINITY), -INFINITY);
}

class ChannelFieldsTest : public CodeplugFixture {
  protected:
    ChannelFieldsTest() {
        ChannelValues c;
        c.rx = 455.0;
        c.tx = 460.0;
        c.scanAdd = YesNo::No;
        store.SetChannelRow(2, c);
        settings.power = Power::High;
        settings.decodeTone = "67.0";
    }
    ChannelValues settings;
};

TEST_F(ChannelFieldsTest, AFieldThatIsNoNumberNeverReachesTheTable) {
    // RX unreadable: the row keeps its RX, and takes the other fields.
    EXPECT_TRUE(WriteChannelFields(ctx, store, 2, "1.2.3", "461.00000", settings));
    EXPECT_EQ(store.CellText(2, Col::ColRx), "455.00000");
    EXPECT_EQ(store.CellText(2, Col::ColTx), "461.00000");
    EXPECT_EQ(store.CellText(2, Col::ColDecode), "67.0");
    // TX unreadable: the row keeps its TX; it is not removed.
    EXPECT_TRUE(WriteChannelFields(ctx, store, 2, "456", "nan", settings));
    EXPECT_EQ(store.CellText(2, Col::ColRx), "456.00000");
    EXPECT_EQ(store.CellText(2, Col::ColTx), "461.00000");
    // An empty row with an unreadable RX stays empty, and nothing counts as changed.
    ctx.all().Changed = false;
    EXPECT_FALSE(WriteChannelFields(ctx, store, 3, "inf", "", settings));
    EXPECT_FALSE(store.IsPresent(3));
    EXPECT_FALSE(ctx.all().Changed);
}

TEST_F(ChannelFieldsTest, WritesTheChannelOrEmptiesIt) {
    EXPECT_TRUE(WriteChannelFields(ctx, store, 4, "462.50000", "", settings));
    const auto row = store.ReadRow(4);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->rx, 462.5);
    EXPECT_FALSE(row->tx); // an empty TX: no transmit frequency
    EXPECT_EQ(row->power, Power::High);
    EXPECT_TRUE(store.IsEditable(4, Col::ColTx));
    EXPECT_TRUE(WriteChannelFields(ctx, store, 2, "  ", "460.00000", settings));
    EXPECT_FALSE(store.IsPresent(2));
    EXPECT_FALSE(store.InUse(2));
    EXPECT_TRUE(ctx.all().Changed);
}

TEST_F(ChannelFieldsTest, ChannelEditTxEntry) {
    EXPECT_EQ(EnterChannelTx(ctx, prompter, "460.0075"), "460.00625");
    EXPECT_FALSE(EnterChannelTx(ctx, prompter, "4.6.0"));
    ASSERT_EQ(prompter.Log().size(), 1);
    EXPECT_EQ(prompter.Log()[0].text, ctx.texts().ErrRange);
    // A TX already typed stays when RX is entered.
    EXPECT_EQ(EnterChannelRx(ctx, prompter, "455", "460.00000")->tx, "460.00000");
}

struct Batch {
    const char* name;
    const char* rx;
    const char* tx;
    const char* step;
    bool descending;
    bool range;
    int from;
    int to;
    QStringList rxColumn; // the first five channels
    QStringList txColumn;
    const char* prompt;
};

void PrintTo(const Batch& b, std::ostream* os) {
    *os << b.name;
}

class BatchFill : public CodeplugFixture, public ::testing::WithParamInterface<Batch> {
  protected:
    QStringList column(int col, int rows = 5) const {
        QStringList texts;
        for (int row = 1; row <= rows; ++row)
            texts << store.CellText(row, col);
        return texts;
    }
};

TEST_P(BatchFill, StepsClampsAndSnaps) {
    const Batch& b = GetParam();
    ctx.all().ModelHigh = 470.0; // a model limit of 470 MHz, as an example
    BatchRun run;
    run.rxText = b.rx;
    run.txText = b.tx;
    run.stepKhz = b.step;
    run.descending = b.descending;
    run.range = b.range;
    run.from = b.from;
    run.to = b.to;
    run.settings.power = Power::High;
    const bool written = RunBatch(ctx, store, prompter, run);
    EXPECT_EQ(written, !b.rxColumn.isEmpty());
    EXPECT_EQ(column(Col::ColRx), b.rxColumn.isEmpty() ? QStringList(5, "") : b.rxColumn);
    EXPECT_EQ(column(Col::ColTx), b.txColumn.isEmpty() ? QStringList(5, "") : b.txColumn);
    EXPECT_EQ(ctx.all().Changed, written);
    EXPECT_EQ(prompter.Log().isEmpty() ? QString() : prompter.Log()[0].text,
              QString(b.prompt) == "ErrRange"  ? ctx.texts().ErrRange
              : QString(b.prompt) == "FChBigT" ? ctx.texts().FChBigT
                                               : QString());
    if (written) {
        EXPECT_TRUE(store.IsEditable(16, Col::ColTx)); // every TX cell, in use or not
        EXPECT_EQ(store.CellText(b.range ? b.from : 1, Col::ColPower), "High");
    }
}

const QStringList kNone;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, BatchFill, ::testing::Values(
    Batch{"ascending", "450", "450", "25.0", false, false, 1, 1,
          {"450.00000", "450.02500", "450.05000", "450.07500", "450.10000"},
          {"450.00000", "450.02500", "450.05000", "450.07500", "450.10000"}, ""},
    Batch{"descending", "450", "455", "12.5", true, false, 1, 1,
          {"450.00000", "449.98750", "449.97500", "449.96250", "449.95000"},
          {"455.00000", "454.98750", "454.97500", "454.96250", "454.95000"}, ""},
    Batch{"6.25 kHz", "450", "450", "6.25", false, false, 1, 1,
          {"450.00000", "450.00625", "450.01250", "450.01875", "450.02500"},
          {"450.00000", "450.00625", "450.01250", "450.01875", "450.02500"}, ""},
    Batch{"reaches the model's limit", "469.95", "469.95", "25.0", false, false, 1, 1,
          {"469.95000", "469.97500", "470.00000", "470.00000", "470.00000"},
          {"469.95000", "469.97500", "470.00000", "470.00000", "470.00000"}, ""},
    Batch{"TX at 0 starts at the lower limit", "450", "0", "5.00", false, false, 1, 1,
          {"450.00000", "450.00500", "450.01000", "450.01500", "450.02000"},
          {"300.00000", "300.00500", "300.01000", "300.01500", "300.02000"}, ""},
    Batch{"a range", "460", "465", "25.0", false, true, 2, 3,
          {"", "460.00000", "460.02500", "", ""}, {"", "465.00000", "465.02500", "", ""}, ""},
    Batch{"one channel", "460", "465", "25.0", false, true, 3, 3,
          {"", "", "460.00000", "", ""}, {"", "", "465.00000", "", ""}, ""},
    Batch{"From above To", "460", "465", "25.0", false, true, 5, 3, kNone, kNone, "FChBigT"},
    Batch{"a range outside the model", "700", "465", "25.0", false, true, 1, 3, kNone, kNone, "ErrRange"},
    Batch{"all channels clamp the start", "700", "100", "25.0", false, false, 1, 1,
          {"470.00000", "470.00000", "470.00000", "470.00000", "470.00000"},
          {"300.00000", "300.02500", "300.05000", "300.07500", "300.10000"}, ""},
    Batch{"RX not a number", "4.5.0", "450", "25.0", false, false, 1, 1, kNone, kNone, ""},
    Batch{"RX nan", "nan", "450", "25.0", false, false, 1, 1, kNone, kNone, ""},
    Batch{"TX 20 digits", "450", k20Digits, "25.0", false, false, 1, 1, kNone, kNone, ""},
    Batch{"TX inf in a range", "450", "inf", "25.0", false, true, 1, 3, kNone, kNone, ""}));
// clang-format on

} // namespace
