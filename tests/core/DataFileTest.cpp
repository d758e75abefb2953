#include "image/DataFile.h"
#include "Fixture.h"
#include "TestUtil.h"
#include "channels/ChannelEditing.h"
#include "model/Selection.h"

#include <QFileInfo>
#include <functional>
#include <unistd.h>

namespace {

using Col = ChannelStore::Column;
using ChannelEditing::CommitCellText;

QByteArray hexBytes(const char* hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

class DataFileTest : public CodeplugFixture {
  protected:
    // A codeplug that uses every kind of field: gaps between channels, a
    // channel without TX, both tone kinds, full message lines, odd settings.
    void fillCodeplug() {
        SelectModel(ctx.all(), *ctx.models().FindByCode("7524"));
        SelectBand(ctx.all(), "136 - 174MHz");
        store.ResetRows(ctx.all().ChannelCount);
        ChannelValues a;
        a.rx = 146.52;
        a.tx = 146.52;
        a.decodeTone = "100.0";
        a.encodeTone = "D754I";
        a.power = Power::High;
        a.bandwidth = Bandwidth::Narrow;
        a.scanAdd = YesNo::No;
        store.SetChannelRow(2, a);
        ChannelValues b;
        b.rx = 151.00625;
        b.beatShift = YesNo::No;
        store.SetChannelRow(9, b);
        ChannelValues c;
        c.rx = 299.99375;
        c.tx = 67.0;
        c.decodeTone = "254.1";
        c.busyLockout = YesNo::No;
        store.SetChannelRow(16, c);
        ctx.message().Line1 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
        ctx.message().Line2 = "HELLO 123";
        ctx.fun().SquelchLevel = 12; // a file keeps values a radio read would replace
        ctx.fun().SideKey = 4;
        ctx.fun().VoxFunction = 1;
        ctx.fun().VoxGainLevel = 0;
        ctx.all().Changed = true;
    }
    QStringList storeTexts() const {
        QStringList t;
        for (int row = 1; row <= store.RowCount(); ++row)
            for (int col = 1; col <= ChannelStore::kColumns; ++col)
                t << store.CellText(row, col) + '|' + store.CellValue(row, col);
        return t;
    }
};

TEST_F(DataFileTest, SavingRightAfterStartUpGivesTheDocumentedFile) {
    doc.SetFileName(path("start.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    const QByteArray file = ReadFileBytes(path("start.dat"));
    ASSERT_EQ(file.size(), 992);
    EXPECT_EQ(file.left(8), hexBytes("50 38 35 32 34 45 04 70"));
    EXPECT_EQ(file.mid(14, 2), hexBytes("FF FF"));
    EXPECT_EQ(file.mid(16, 54 * 16), QByteArray(54 * 16, '\xFF'));
    EXPECT_EQ(file.mid(55 * 16, 16), hexBytes("01 01 00 00 04 00 01 01 00 01 FF FF FF FF FF FF"));
    EXPECT_EQ(file.mid(56 * 16, 4 * 16), QByteArray(4 * 16, '\xFF'));
    EXPECT_EQ(file.mid(60 * 16, 16), hexBytes("03 05 01 06 FF FF FF FF FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(file.mid(61 * 16, 16), hexBytes("00 00 F4 34 32 35 38 50 FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(ctx.all().UsedBits, QString(16, '0'));
    EXPECT_FALSE(ctx.all().Changed);
}

TEST_F(DataFileTest, TheHeaderCarriesTheSaveTime) {
    const QDateTime when(QDate(2024, 6, 5), QTime(14, 7));
    qputenv("SOURCE_DATE_EPOCH", QByteArray::number(when.toSecsSinceEpoch()));
    doc.SetFileName(path("dated.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    qunsetenv("SOURCE_DATE_EPOCH");
    const QByteArray file = ReadFileBytes(path("dated.dat"));
    EXPECT_EQ(file.mid(8, 6), hexBytes("E8 07 06 05 0E 07"));
    const auto decoded = DataFile::Read(path("dated.dat"), ctx.models(), ctx.bands());
    ASSERT_TRUE(decoded) << decoded.error().toStdString();
    EXPECT_EQ(decoded->header.date, "2024-06-05 14:07");
}

TEST_F(DataFileTest, SaveThenOpenRestoresTheWholeCodeplug) {
    fillCodeplug();
    const QStringList texts = storeTexts();
    const TFun fun = ctx.fun();
    const TEnMsg message = ctx.message();
    doc.SetFileName(path("full.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    EXPECT_EQ(ctx.all().UsedBits, "0100000010000001");
    EXPECT_EQ(ctx.all().ScanBits, "0100000000000000");

    // Open into a fresh application.
    AppContext other(dir.path());
    other.SelectFirstModel();
    ChannelStore otherStore;
    otherStore.ResetRows(16);
    ScriptedPrompter otherPrompter;
    CodeplugDocument otherDoc(other, otherStore, otherPrompter);
    other.all().Changed = true;
    ASSERT_TRUE(otherDoc.OpenDataFile(path("full.dat")));
    EXPECT_EQ(other.all().ModelCode, "7524");
    EXPECT_EQ(other.all().BandText, "136 - 174MHz");
    EXPECT_DOUBLE_EQ(other.all().ModelHigh, 300.0);
    EXPECT_EQ(otherDoc.FileName(), path("full.dat"));
    EXPECT_FALSE(other.all().Changed);
    EXPECT_EQ(other.fun(), fun);
    EXPECT_EQ(other.message(), message);
    ChannelStore& s = otherStore;
    QStringList opened;
    for (int row = 1; row <= s.RowCount(); ++row)
        for (int col = 1; col <= ChannelStore::kColumns; ++col)
            opened << s.CellText(row, col) + '|' + s.CellValue(row, col);
    EXPECT_EQ(opened, texts);
    EXPECT_TRUE(s.IsEditable(9, Col::ColTx));
    EXPECT_TRUE(otherPrompter.Log().isEmpty());

    // Saving what was opened gives the same bytes.
    otherDoc.SetFileName(path("again.dat"));
    ASSERT_TRUE(otherDoc.SaveDataFile());
    EXPECT_EQ(ReadFileBytes(path("again.dat")).mid(16), ReadFileBytes(path("full.dat")).mid(16));
}

TEST_F(DataFileTest, RefusedFilesChangeNothing) {
    fillCodeplug();
    doc.SetFileName(path("mine.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    ctx.all().Changed = true;
    const QStringList texts = storeTexts();
    const QByteArray good = ReadFileBytes(path("mine.dat"));

    WriteFileBytes(path("short.dat"), good.left(500));
    WriteFileBytes(path("tiny.dat"), good.left(10));
    QByteArray unknown = good;
    unknown.replace(1, 4, "9999");
    WriteFileBytes(path("unknown.dat"), unknown);

    EXPECT_FALSE(doc.OpenDataFile(path("short.dat")));
    ASSERT_EQ(prompter.Log().size(), 1);
    EXPECT_TRUE(prompter.Log()[0].text.contains(path("short.dat")));
    EXPECT_TRUE(prompter.Log()[0].text.contains("492 bytes are missing"));
    EXPECT_FALSE(doc.OpenDataFile(path("tiny.dat")));
    EXPECT_FALSE(doc.OpenDataFile(path("absent.dat")));
    EXPECT_TRUE(prompter.Log().last().text.contains(path("absent.dat")));
    EXPECT_EQ(doc.FileName(), path("mine.dat"));

    EXPECT_FALSE(doc.OpenDataFile(path("unknown.dat")));
    EXPECT_EQ(prompter.Log().last().text, ctx.texts().ModError);
    EXPECT_EQ(prompter.Log().last().kind, Prompt::kInfo);
    EXPECT_EQ(doc.FileName(), ""); // as after any open that failed its model check

    EXPECT_EQ(storeTexts(), texts);
    EXPECT_EQ(ctx.all().ModelCode, "7524");
    EXPECT_EQ(ctx.message().Line2, "HELLO 123");
    EXPECT_TRUE(ctx.all().Changed);
}

TEST_F(DataFileTest, BytesAfterTheBandRecordAreIgnored) {
    doc.SetFileName(path("long.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    WriteFileBytes(path("long.dat"), ReadFileBytes(path("long.dat")) + QByteArray(100, 'x'));
    EXPECT_TRUE(doc.OpenDataFile(path("long.dat")));
}

TEST_F(DataFileTest, AFailedSaveLeavesTheEarlierFileIntact) {
    doc.SetFileName(path("keep.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    const QByteArray before = ReadFileBytes(path("keep.dat"));

    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    store.SetCellText(1, Col::ColRx, "1234.5"); // no record can hold it
    ASSERT_TRUE(ctx.all().Changed);
    EXPECT_FALSE(doc.SaveDataFile());
    EXPECT_EQ(ReadFileBytes(path("keep.dat")), before);
    EXPECT_TRUE(ctx.all().Changed);
    ASSERT_EQ(prompter.Log().size(), 1);
    EXPECT_TRUE(prompter.Log()[0].text.contains(path("keep.dat")));
    EXPECT_TRUE(prompter.Log()[0].text.contains("1234.50000"));

    store.SetCellText(1, Col::ColRx, "460");
    doc.SetFileName(path("no-such-folder/x.dat"));
    EXPECT_FALSE(doc.SaveDataFile());
    EXPECT_TRUE(prompter.Log().last().text.contains(path("no-such-folder/x.dat")));
    EXPECT_TRUE(ctx.all().Changed);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"keep.dat"}));
}

TEST_F(DataFileTest, AReadOnlyFolderKeepsTheEarlierFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QDir(dir.path()).mkdir("ro");
    doc.SetFileName(path("ro/keep.dat"));
    ASSERT_TRUE(doc.SaveDataFile());
    const QByteArray before = ReadFileBytes(path("ro/keep.dat"));
    QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::ExeOwner);
    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    EXPECT_FALSE(doc.SaveDataFile());
    QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadFileBytes(path("ro/keep.dat")), before);
    EXPECT_TRUE(ctx.all().Changed);
}

class CommandTest : public CodeplugFixture {};

TEST_F(CommandTest, NewAsksSaveProgramOnlyWhenChanged) {
    doc.NewCodeplug();
    EXPECT_TRUE(prompter.Log().isEmpty());

    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    ctx.fun().Scan = 1;
    ctx.testFre().RxFreq[10] = "451.00000";
    doc.SetFileName(path("old.dat"));
    prompter.Enqueue(Prompt::kNo);
    doc.NewCodeplug();
    ASSERT_EQ(prompter.Log().size(), 1);
    EXPECT_EQ(prompter.Log()[0].text, ctx.texts().SaveProgram);
    EXPECT_EQ(prompter.Log()[0].kind, Prompt::kYesNo);
    EXPECT_FALSE(store.IsPresent(1));
    EXPECT_EQ(ctx.fun().Scan, 0);
    EXPECT_EQ(doc.FileName(), "");
    EXPECT_FALSE(ctx.all().Changed);
    EXPECT_FALSE(QFileInfo::exists(path("old.dat")));
    EXPECT_EQ(ctx.testFre().RxFreq[10], "451.00000");
    EXPECT_EQ(ctx.all().ModelCode, "8524");
}

TEST_F(CommandTest, NewWithYesSavesFirst) {
    int refreshes = 0;
    doc.SetRefreshStatus([&] { ++refreshes; });
    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    prompter.Enqueue(Prompt::kYes);
    dialogs.saves.enqueue(path("saved.dat"));
    doc.NewCodeplug();
    EXPECT_EQ(ReadFileBytes(path("saved.dat")).size(), 992);
    EXPECT_GE(refreshes, 2);
    EXPECT_EQ(doc.FileName(), "");
}

TEST_F(CommandTest, SaveAsCancelledLeavesNoFileName) {
    dialogs.saves.enqueue(path("a.dat"));
    doc.Save();
    EXPECT_EQ(doc.FileName(), path("a.dat"));
    doc.Save(); // a known name: no dialog
    EXPECT_EQ(dialogs.saveAsked, 1);
    doc.SaveAs(); // cancelled
    EXPECT_EQ(doc.FileName(), "");
    dialogs.saves.enqueue(path("b.dat"));
    doc.Save();
    EXPECT_EQ(dialogs.saveAsked, 3);
    EXPECT_TRUE(QFileInfo::exists(path("b.dat")));
}

TEST_F(CommandTest, OpenDiscardsChangesAfterNo) {
    dialogs.saves.enqueue(path("base.dat"));
    doc.Save();
    CommitCellText(ctx, store, prompter, 3, Col::ColRx, "460");
    prompter.ClearLog();
    prompter.Enqueue(Prompt::kNo);
    doc.Open(); // dialog cancelled: nothing changes
    EXPECT_TRUE(store.IsPresent(3));
    prompter.Enqueue(Prompt::kNo);
    dialogs.opens.enqueue(path("base.dat"));
    doc.Open();
    EXPECT_FALSE(store.IsPresent(3));
    EXPECT_FALSE(ctx.all().Changed);
    EXPECT_EQ(prompter.Log().size(), 2);
}

TEST_F(CommandTest, CopyReadChannelsFillsTheTableAndMarksItChanged) {
    doc.SetFileName(path("x.dat"));
    doc.ResetStaging();
    ASSERT_EQ(doc.Staging().size(), 16u);
    ChannelValues c;
    c.rx = 462.5625;
    c.encodeTone = "D023N";
    doc.Staging()[4] = c;
    doc.CopyReadChannels();
    EXPECT_EQ(store.CellText(5, Col::ColRx), "462.56250");
    EXPECT_EQ(store.CellText(5, Col::ColTx), "");
    EXPECT_EQ(store.CellText(5, Col::ColDecode), "None");
    EXPECT_EQ(store.CellText(5, Col::ColPower), "Low");
    EXPECT_FALSE(store.IsPresent(4));
    EXPECT_TRUE(ctx.all().Changed);
    EXPECT_EQ(doc.FileName(), "");
}

// A command that offers to save goes on only when the save did not fail: a
// refused save leaves the codeplug, its file name and Changed as they were.
struct OfferedSave {
    const char* name;
    std::function<bool(CodeplugDocument&, AppContext&)> command;
};

void PrintTo(const OfferedSave& o, std::ostream* os) {
    *os << o.name;
}

class FailedSave : public CodeplugFixture, public ::testing::WithParamInterface<OfferedSave> {};

TEST_P(FailedSave, StopsTheCommandThatAskedForIt) {
    WriteFileBytes(path("plan.csv"), "Location,Frequency\r\n2,446.00625\r\n");
    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    ctx.fun().Scan = 1;
    const QString unwritable = path("no such folder/plan.dat");
    doc.SetFileName(unwritable);
    prompter.ClearLog();
    prompter.SetFallback(Prompt::kYes, Prompt::kCancel); // ExitProgram, ClearData, SaveProgram
    dialogs.opens.enqueue(path("plan.csv"));

    EXPECT_FALSE(GetParam().command(doc, ctx));
    EXPECT_EQ(prompter.Log().last().text.contains(unwritable), true); // the save said why
    EXPECT_TRUE(store.IsPresent(1));
    EXPECT_FALSE(store.IsPresent(2));
    EXPECT_EQ(store.CellText(1, Col::ColRx), "460.00000");
    EXPECT_EQ(ctx.fun().Scan, 1);
    EXPECT_EQ(ctx.all().ModelCode, "8524");
    EXPECT_EQ(doc.FileName(), unwritable);
    EXPECT_TRUE(ctx.all().Changed);
    EXPECT_EQ(dialogs.openAsked, 0);
    EXPECT_FALSE(QFileInfo::exists(unwritable));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FailedSave,
    ::testing::Values(
        OfferedSave{"Exit", [](CodeplugDocument& d, AppContext&) { return d.ConfirmExit(); }},
        OfferedSave{"New", [](CodeplugDocument& d, AppContext&) { return d.NewCodeplug(); }},
        OfferedSave{"Open", [](CodeplugDocument& d, AppContext&) { return d.Open(); }},
        OfferedSave{"ModelInformation",
                    [](CodeplugDocument& d, AppContext& c) {
                        return d.ApplyModelChoice(*c.models().FindByCode("7524"), "136 - 174MHz");
                    }},
        OfferedSave{"ImportCsv", [](CodeplugDocument& d, AppContext&) { return d.ImportCsv(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandTest, AFailedSaveOfACellTheCodecRefusesStopsNewToo) {
    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    store.SetCellText(1, Col::ColDecode, "tone"); // no tone text
    doc.SetFileName(path("refused.dat"));
    prompter.Enqueue(Prompt::kYes);
    EXPECT_FALSE(doc.NewCodeplug());
    EXPECT_EQ(store.CellText(1, Col::ColDecode), "tone");
    EXPECT_TRUE(ctx.all().Changed);
    EXPECT_FALSE(QFileInfo::exists(path("refused.dat")));
}

TEST_F(CommandTest, OfferSaveGoesOnAfterNoOrACancelledDialog) {
    EXPECT_TRUE(doc.OfferSave()); // nothing changed: nothing asked
    EXPECT_TRUE(prompter.Log().isEmpty());
    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    prompter.Enqueue(Prompt::kNo);
    EXPECT_TRUE(doc.OfferSave());
    prompter.Enqueue(Prompt::kYes); // and the save dialog is cancelled
    EXPECT_TRUE(doc.OfferSave());
    EXPECT_EQ(dialogs.saveAsked, 1);
    EXPECT_TRUE(ctx.all().Changed);
    prompter.Enqueue(Prompt::kYes);
    dialogs.saves.enqueue(path("kept.dat"));
    EXPECT_TRUE(doc.OfferSave());
    EXPECT_FALSE(ctx.all().Changed);
    EXPECT_EQ(ReadFileBytes(path("kept.dat")).size(), 992);
}

TEST_F(CommandTest, ModelChoiceAsksClearDataThenSavesTheOldCodeplugWhole) {
    CommitCellText(ctx, store, prompter, 1, Col::ColRx, "460");
    prompter.ClearLog();
    prompter.Enqueue(Prompt::kNo); // ClearData
    const TMacType& vhf = *ctx.models().FindByCode("7524");
    EXPECT_FALSE(doc.ApplyModelChoice(vhf, "150 - 174MHz"));
    EXPECT_EQ(ctx.all().ModelCode, "8524");
    EXPECT_TRUE(store.IsPresent(1));

    prompter.Enqueue(Prompt::kYes); // ClearData
    prompter.Enqueue(Prompt::kYes); // SaveProgram
    dialogs.saves.enqueue(path("old.dat"));
    EXPECT_TRUE(doc.ApplyModelChoice(vhf, "150 - 174MHz"));
    EXPECT_EQ(prompter.Log().size(), 3); // SaveProgram asked once
    EXPECT_EQ(ReadFileBytes(path("old.dat")).mid(1, 4), "8524");
    EXPECT_EQ(ctx.all().ModelCode, "7524");
    EXPECT_EQ(ctx.all().BandText, "150 - 174MHz");
    EXPECT_FALSE(store.IsPresent(1));
    EXPECT_FALSE(ctx.all().Changed);
    EXPECT_EQ(doc.FileName(), "");
}

} // namespace
