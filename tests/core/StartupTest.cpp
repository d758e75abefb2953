#include "TestUtil.h"
#include "app/AppContext.h"
#include "app/IniFile.h"
#include "app/Settings.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test {
  protected:
    QString dir() const { return m_dir.path() + '/'; }
    void writeSettings(const QByteArray& body) { WriteFileBytes(dir() + "SysInfo.Ini", body); }
    QTemporaryDir m_dir;
};

TEST_F(StartupTest, WithoutSettingsFileEverythingTakesItsDefault) {
    AppContext ctx(m_dir.path());
    const TALL& all = ctx.all();
    EXPECT_EQ(all.AppDir, dir());
    EXPECT_EQ(all.PortName, "Com1");
    EXPECT_EQ(all.LanguageIndex, 0);
    EXPECT_EQ(all.LanguageName, "Chinese");
    EXPECT_EQ(all.HelpPrefix, "HQ");
    EXPECT_EQ(all.PicId, 1);
    EXPECT_EQ(all.AppTitle, "QX7");
    EXPECT_TRUE(all.LanguageChoice);
    EXPECT_FALSE(all.TestOnline);
    EXPECT_FALSE(all.Changed);
    // Without a language file every message is the built-in Chinese text.
    EXPECT_EQ(ctx.texts().Confirmation, QStringLiteral("提示"));
    EXPECT_EQ(ctx.texts().LPortError, QStringLiteral("无法打开端口！"));
    EXPECT_EQ(ctx.fun(), TFun{});
    EXPECT_TRUE(ctx.message().Line1.isEmpty());
    EXPECT_EQ(ctx.testFre().RxFreq[0], "460.05000");
    EXPECT_EQ(ctx.testFre().TxFreq[5], "460.40000");
    EXPECT_TRUE(ctx.testFre().RxFreq[6].isEmpty());
}

TEST_F(StartupTest, FirstModelAndDefaultBandAfterSelection) {
    AppContext ctx(m_dir.path());
    ctx.SelectFirstModel();
    const TALL& all = ctx.all();
    EXPECT_EQ(all.ModelCode, "8524");
    EXPECT_EQ(all.ModelName, "QX7(UHF)");
    EXPECT_EQ(all.ChannelCount, 16);
    EXPECT_EQ(all.BandText, "450 - 470MHz");
    EXPECT_DOUBLE_EQ(all.BandLow, 450.0);
    EXPECT_DOUBLE_EQ(all.BandHigh, 470.0);
    EXPECT_DOUBLE_EQ(all.ModelLow, 300.0);
    EXPECT_DOUBLE_EQ(all.ModelHigh, 650.0);
    EXPECT_EQ(all.CurrentModel, ctx.models().Item(0));
}

struct LanguageCase {
    const char* settings;
    int index;
    const char* name;
};

void PrintTo(const LanguageCase& c, std::ostream* os) {
    *os << c.settings;
}

class LanguageSelection : public StartupTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageSelection, PicksTheNameAtTheIndex) {
    writeSettings(GetParam().settings);
    AppContext ctx(m_dir.path());
    EXPECT_EQ(ctx.all().LanguageIndex, GetParam().index);
    EXPECT_EQ(ctx.all().LanguageName, QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LanguageSelection,
    ::testing::Values(LanguageCase{"[SysInfo]\nLanguage_ID=1\n", 1, "English"},
                      LanguageCase{"[SysInfo]\nLanguage_ID=2\n", 2, ""},
                      LanguageCase{"[SysInfo]\nLanguage_ID=abc\n", 0, "Chinese"},
                      LanguageCase{"[SysInfo]\nLanguage_ID=-1\n", -1, ""},
                      LanguageCase{"[SysInfo]\nLanguage=English|Chinese\n", 0, "English"},
                      LanguageCase{"[SysInfo]\nLanguage= En |Cn\nLanguage_ID=0\n", 0, "En "},
                      LanguageCase{"[SysInfo]\nLanguage=A||B\nLanguage_ID=1\n", 1, ""},
                      LanguageCase{"[SysInfo]\nLanguage=A|B|\nLanguage_ID=2\n", 2, ""}));

TEST_F(StartupTest, SettingsRoundTripAndOtherKeysSurvive) {
    writeSettings("[SysInfo]\nCom=com3\nPicID=7\nHelp=XY\nLanguage=Chinese|English\n"
                  "Chinese=中文|英文\nMine=kept\n");
    AppContext ctx(m_dir.path());
    EXPECT_EQ(ctx.all().PortName, "com3");
    EXPECT_EQ(ctx.all().PicId, 8);
    EXPECT_EQ(ctx.all().HelpPrefix, "XY");
    ctx.all().PortName = "COM3";
    const Result<void> written = WriteSettings(ctx.all());
    ASSERT_TRUE(written) << written.error().toStdString();
    EXPECT_EQ(ReadFileBytes(dir() + "SysInfo.Ini"),
              QByteArray("[SysInfo]\nCom=COM3\nPicID=7\nHelp=XY\nLanguage=Chinese|English\n"
                         "Chinese=中文|英文\nMine=kept\nLanguage_ID=0\n"));
}

// The safe-write choices are on unless the file says otherwise, and only the
// user's change of one of them writes them.
TEST_F(StartupTest, SafeWriteChoicesAreOnByDefaultAndKeptWhenChanged) {
    writeSettings("[SysInfo]\nCom=COM3\n");
    AppContext ctx(m_dir.path());
    EXPECT_TRUE(ctx.all().WriteBackup);
    EXPECT_TRUE(ctx.all().WriteVerify);
    ASSERT_TRUE(WriteSettings(ctx.all()));
    EXPECT_FALSE(ReadFileBytes(dir() + "SysInfo.Ini").contains("Backup"));
    ctx.all().WriteVerify = false;
    ASSERT_TRUE(WriteSafeWriteSettings(ctx.all()));
    EXPECT_TRUE(ReadFileBytes(dir() + "SysInfo.Ini").endsWith("Backup=1\nVerify=0\n"));
    AppContext again(m_dir.path());
    EXPECT_TRUE(again.all().WriteBackup);
    EXPECT_FALSE(again.all().WriteVerify);
}

TEST_F(StartupTest, FirstExitCreatesTheSettingsFile) {
    writeSettings("[SysInfo]\nPicID=abc\n");
    AppContext ctx(m_dir.path());
    EXPECT_EQ(ctx.all().PicId, 1);
    QFile::remove(dir() + "SysInfo.Ini");
    ASSERT_TRUE(WriteSettings(ctx.all()));
    const IniFile ini(dir() + "SysInfo.Ini");
    EXPECT_EQ(ini.value("SysInfo", "Com", "?"), "Com1");
    EXPECT_EQ(ini.value("SysInfo", "Language_ID", "?"), "0");
    EXPECT_EQ(ini.value("SysInfo", "PicID", "?"), "0");
}

TEST(SettingsLocation, BesideTheProgramOnlyWhenItsFolderIsWritable) {
    EXPECT_EQ(ChooseSettingsFile("/opt/qx7/lib/qx7/", true, "/home/u/.config"),
              "/opt/qx7/lib/qx7/SysInfo.Ini");
    EXPECT_EQ(ChooseSettingsFile("/usr/lib/qx7/", false, "/home/u/.config"),
              "/home/u/.config/qx7/SysInfo.Ini");
}

// An installed program: its folder holds the shipped settings; the user's go elsewhere.
TEST_F(StartupTest, SettingsKeptApartStartAsACopyOfTheShippedOnes) {
    writeSettings("[SysInfo]\nCom=COM3\nLanguage=Chinese|English\n[Ports]\nCOM9=/dev/x\n");
    const QByteArray shipped = ReadFileBytes(dir() + "SysInfo.Ini");
    QTemporaryDir config;
    TALL all;
    all.AppDir = dir();
    all.SettingsFile = ChooseSettingsFile(all.AppDir, false, config.path());
    all.LanguageChoice = true;
    ReadSettings(all);
    EXPECT_EQ(all.PortName, "COM3"); // read from the shipped file while the user has none
    EXPECT_EQ(SettingsReadPath(all), dir() + "SysInfo.Ini");

    all.PortName = "COM101";
    const Result<void> written = WriteSettings(all);
    ASSERT_TRUE(written) << written.error().toStdString();
    EXPECT_EQ(ReadFileBytes(dir() + "SysInfo.Ini"), shipped);
    EXPECT_EQ(SettingsReadPath(all), config.filePath("qx7/SysInfo.Ini"));
    const IniFile user(config.filePath("qx7/SysInfo.Ini"));
    EXPECT_EQ(user.value("SysInfo", "Com", ""), "COM101");
    EXPECT_EQ(user.value("Ports", "COM9", ""), "/dev/x"); // the rest came along

    TALL again = all;
    again.PortName.clear();
    ReadSettings(again);
    EXPECT_EQ(again.PortName, "COM101");
}

TEST_F(StartupTest, WithLanguageChoiceOffTheIndexStaysZero) {
    writeSettings("[SysInfo]\nLanguage_ID=1\n");
    TALL all;
    all.AppDir = dir();
    all.LanguageChoice = false;
    ReadSettings(all);
    EXPECT_EQ(all.LanguageIndex, 0);
    EXPECT_EQ(all.LanguageName, "Chinese");
}

TEST_F(StartupTest, MessageTextsComeFromTheLanguageFile) {
    writeSettings("[SysInfo]\nLanguage_ID=1\n");
    QStringEncoder gbk("GBK");
    WriteFileBytes(
        dir() + "English.Ini",
        "[Language]\nConfirmation=Confirmation\nreadok=\nComError=\"Check the cable \"\n");
    AppContext ctx(m_dir.path());
    EXPECT_EQ(ctx.texts().Confirmation, "Confirmation");
    EXPECT_EQ(ctx.texts().ReadOk, "");                            // present and empty
    EXPECT_EQ(ctx.texts().ComError, "Check the cable ");          // quotes keep the blank
    EXPECT_EQ(ctx.texts().WriteOk, QStringLiteral("写入完成！")); // missing key: default

    // Reloading with another language refills every text.
    WriteFileBytes(dir() + "Chinese.Ini",
                   QByteArray(gbk.encode(QStringLiteral("[Language]\nReadOk=好\n"))));
    ctx.texts().LoadMessageTexts(ctx.all().AppDir, "Chinese");
    EXPECT_EQ(ctx.texts().ReadOk, QStringLiteral("好"));
    EXPECT_EQ(ctx.texts().Confirmation, QStringLiteral("提示"));
}

TEST(SplitBarList, FollowsTheListRules) {
    EXPECT_EQ(SplitBarList("Chinese|English"), QStringList({"Chinese", "English"}));
    EXPECT_EQ(SplitBarList("A||B"), QStringList({"A", "", "B"}));
    EXPECT_EQ(SplitBarList("A|B|"), QStringList({"A", "B"}));
    EXPECT_EQ(SplitBarList(" A | B"), QStringList({" A ", " B"}));
    EXPECT_TRUE(SplitBarList("").isEmpty());
}

} // namespace
