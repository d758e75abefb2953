#include "Fixture.h"
#include "TestUtil.h"
#include "channels/ChannelEditing.h"

#include <QSignalSpy>

namespace {

using namespace ChannelEditing;
using Col = ChannelStore::Column;

QStringList rowTexts(const ChannelStore& s, int row) {
    QStringList t;
    for (int c = 2; c <= 10; ++c)
        t << s.CellText(row, c);
    return t;
}

QStringList rowValues(const ChannelStore& s, int row) {
    QStringList v;
    for (int c = 6; c <= 10; ++c)
        v << s.CellValue(row, c);
    return v;
}

class ChannelStoreTest : public CodeplugFixture {
  protected:
    void commit(int row, int col, const QString& text) {
        CommitCellText(ctx, store, prompter, row, col, text);
    }
    QStringList promptTexts() const {
        QStringList t;
        for (const auto& p : prompter.Log())
            t << p.text;
        return t;
    }
};

TEST_F(ChannelStoreTest, TypingRxIntoAnEmptyRowInitialisesIt) {
    ASSERT_EQ(store.RowCount(), 16);
    EXPECT_FALSE(store.IsEditable(3, Col::ColTx));
    commit(3, Col::ColRx, "462.5");
    EXPECT_EQ(rowTexts(store, 3), QStringList({"462.50000", "462.50000", "None", "None", "High",
                                               "Wide", "No", "No", "No"}));
    EXPECT_EQ(rowValues(store, 3), QStringList({"1", "0", "1", "1", "1"}));
    EXPECT_TRUE(store.InUse(3));
    EXPECT_TRUE(store.IsEditable(3, Col::ColTx));
    EXPECT_TRUE(ctx.all().Changed);
    EXPECT_TRUE(prompter.Log().isEmpty());
    EXPECT_EQ(store.CellText(3, Col::ColChannel), "3");
}

TEST_F(ChannelStoreTest, NewRxKeepsTheRestOfARowInUse) {
    ChannelValues c;
    c.rx = 451.0;
    c.tx = 456.0;
    c.decodeTone = "67.0";
    c.encodeTone = "D023I";
    c.power = Power::Low;
    c.bandwidth = Bandwidth::Narrow;
    store.SetChannelRow(1, c);
    commit(1, Col::ColRx, "452.0125");
    EXPECT_EQ(rowTexts(store, 1), QStringList({"452.01250", "456.00000", "67.0", "D023I", "Low",
                                               "Narrow", "Yes", "Yes", "Yes"}));
}

TEST_F(ChannelStoreTest, EmptyRxClearsTheRowAndEmptyTxOnlyTheTx) {
    commit(2, Col::ColRx, "460");
    commit(2, Col::ColTx, "");
    EXPECT_EQ(store.CellText(2, Col::ColTx), "");
    EXPECT_EQ(store.CellText(2, Col::ColEncode), "None");
    EXPECT_FALSE(store.ReadRow(2)->tx);
    commit(2, Col::ColRx, "  ");
    EXPECT_EQ(rowTexts(store, 2), QStringList(9, ""));
    EXPECT_FALSE(store.InUse(2));
    EXPECT_FALSE(store.IsEditable(2, Col::ColTx));
    EXPECT_FALSE(store.ReadRow(2));
}

struct FrequencyCase {
    const char* typed;
    const char* shown;
    const char* prompt; // message key or ""
};

void PrintTo(const FrequencyCase& c, std::ostream* os) {
    *os << c.typed;
}

class FrequencyCommit : public ChannelStoreTest,
                        public ::testing::WithParamInterface<FrequencyCase> {};

// A model from 400 to 480 MHz with the band 450 to 470 MHz.
TEST_P(FrequencyCommit, ChecksSnapsAndFormats) {
    ctx.all().ModelLow = 400.0;
    ctx.all().ModelHigh = 480.0;
    commit(1, Col::ColRx, GetParam().typed);
    EXPECT_EQ(store.CellText(1, Col::ColRx), QString::fromLatin1(GetParam().shown));
    const QString key = QString::fromLatin1(GetParam().prompt);
    if (key.isEmpty()) {
        EXPECT_TRUE(prompter.Log().isEmpty());
    } else {
        ASSERT_EQ(prompter.Log().size(), 1);
        EXPECT_EQ(prompter.Log()[0].caption, ctx.texts().Caution);
        EXPECT_EQ(prompter.Log()[0].kind, Prompt::kInfo);
        EXPECT_EQ(prompter.Log()[0].text,
                  key == "ErrRange" ? ctx.texts().ErrRange : ctx.texts().OutRange);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FrequencyCommit,
                         ::testing::Values(FrequencyCase{"440", "440.00000", "OutRange"},
                                           FrequencyCase{"500", "470.00000", "ErrRange"},
                                           FrequencyCase{"390", "450.00000", "ErrRange"},
                                           FrequencyCase{"4.4.0", "470.00000", "OutRange"},
                                           FrequencyCase{"460.0125", "460.01250", ""},
                                           FrequencyCase{"438.503", "438.50000", "OutRange"},
                                           FrequencyCase{"455.0075", "455.00625", ""}));

TEST(SnapFrequencyTest, MovesDownOntoTheRaster) {
    EXPECT_DOUBLE_EQ(SnapFrequency(438.503), 438.5);
    EXPECT_DOUBLE_EQ(SnapFrequency(438.5031), 438.5);
    EXPECT_DOUBLE_EQ(SnapFrequency(438.5075), 438.50625);
    EXPECT_DOUBLE_EQ(SnapFrequency(438.5125), 438.5125);
    EXPECT_DOUBLE_EQ(SnapFrequency(438.50625), 438.50625);
    EXPECT_DOUBLE_EQ(SnapFrequency(146.52), 146.52);
    // Below the 10 Hz that records hold: what memory keeps is what a save stores.
    EXPECT_EQ(SnapFrequency(146.5200025), 146.52);
    EXPECT_EQ(FormatFrequency(SnapFrequency(450.0)), "450.00000");
}

TEST_F(ChannelStoreTest, ToneAndItemEditorsCommit) {
    commit(4, Col::ColRx, "455");
    ctx.all().Changed = false;
    CommitTone(ctx, store, 4, Col::ColDecode, "12");
    EXPECT_EQ(store.CellText(4, Col::ColDecode), "30.0");
    CommitTone(ctx, store, 4, Col::ColEncode, "D12");
    EXPECT_EQ(store.CellText(4, Col::ColEncode), "D777N");
    CommitTone(ctx, store, 4, Col::ColEncode, "");
    EXPECT_EQ(store.CellText(4, Col::ColEncode), "None");
    CommitItem(ctx, store, 4, Col::ColPower, 0);
    EXPECT_EQ(store.CellText(4, Col::ColPower), "Low");
    EXPECT_EQ(store.CellValue(4, Col::ColPower), "0");
    EXPECT_TRUE(ctx.all().Changed);

    ctx.all().Refreshing = true; // editors ignore changes while cells are relabelled
    CommitItem(ctx, store, 4, Col::ColPower, 1);
    EXPECT_EQ(store.CellValue(4, Col::ColPower), "0");
}

TEST_F(ChannelStoreTest, RelabelCellsFollowsTheLanguageAndKeepsValues) {
    commit(1, Col::ColRx, "455");
    store.RelabelCells(QStringLiteral("无"), {QStringLiteral("低"), QStringLiteral("高")},
                       {QStringLiteral("宽"), QStringLiteral("窄")},
                       {QStringLiteral("是"), QStringLiteral("否")});
    EXPECT_EQ(store.CellText(1, Col::ColDecode), QStringLiteral("无"));
    EXPECT_EQ(store.CellText(1, Col::ColPower), QStringLiteral("高"));
    EXPECT_EQ(store.CellText(1, Col::ColScanAdd), QStringLiteral("否"));
    EXPECT_EQ(rowValues(store, 1), QStringList({"1", "0", "1", "1", "1"}));
    EXPECT_EQ(store.NoneText(), QStringLiteral("无"));
    EXPECT_TRUE(store.ReadRow(1)->decodeTone.isEmpty()); // still no tone
}

TEST_F(ChannelStoreTest, ResetRowsKeepsOrRebuildsRows) {
    commit(5, Col::ColRx, "455");
    QSignalSpy resets(&store, &ChannelStore::rowsReset);
    QSignalSpy changes(&store, &ChannelStore::rowsChanged);
    store.ResetRows(16);
    EXPECT_EQ(store.RowCount(), 16);
    EXPECT_FALSE(store.IsPresent(5));
    EXPECT_EQ(store.CellText(5, Col::ColChannel), "5");
    // The same rows emptied are a change of their contents, so a view keeps its place.
    EXPECT_EQ(resets.count(), 0);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0], (QVariantList{1, 16}));
    store.ResetRows(8);
    EXPECT_EQ(store.RowCount(), 8);
    EXPECT_EQ(store.CellText(8, Col::ColChannel), "8");
    EXPECT_EQ(resets.count(), 1);
    // A row initialised in one go is one change.
    commit(3, Col::ColRx, "455");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[1], (QVariantList{3, 3}));
}

} // namespace
