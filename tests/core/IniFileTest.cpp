#include "app/IniFile.h"
#include "TestUtil.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
  protected:
    QString path(const char* name = "test.ini") const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(IniFileTest, LooksUpSectionsAndKeysWithoutRegardToCase) {
    WriteFileBytes(path(), "; comment\n[SysInfo]\nCom=COM3\r\nlanguage_id = 2 \n[Other]\nCom=X\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.value("sysinfo", "COM", "d"), "COM3");
    EXPECT_EQ(ini.value("SYSINFO", "Language_ID", "d"), "2");
    EXPECT_EQ(ini.value("other", "com", "d"), "X");
    EXPECT_EQ(ini.value("SysInfo", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.value("Missing", "Com", "dflt"), "dflt");
    EXPECT_EQ(IniFile(path("absent.ini")).value("SysInfo", "Com", "Com1"), "Com1");
}

TEST_F(IniFileTest, DropsBlanksAndOnePairOfQuotes) {
    WriteFileBytes(path(),
                   "[fMainFrm]\nlCom.Caption=\"Port: \"\nA=  spaced  \nB=\"\"x\"\"\nC=\nD='q'\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.value("fMainFrm", "lCom.Caption", "d"), "Port: ");
    EXPECT_EQ(ini.value("fMainFrm", "A", "d"), "spaced");
    EXPECT_EQ(ini.value("fMainFrm", "B", "d"), "\"x\"");
    EXPECT_EQ(ini.value("fMainFrm", "C", "d"), ""); // present but empty: not the default
    EXPECT_EQ(ini.value("fMainFrm", "D", "d"), "q");
}

TEST_F(IniFileTest, CutsValuesAt2047Bytes) {
    WriteFileBytes(path(), "[S]\nK=" + QByteArray(3000, 'a') +
                               "\nU=" + QByteArray("中").repeated(1000) + "\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.value("S", "K", "").size(), 2047);
    // 682 whole three-byte characters fit; the partial one is dropped.
    EXPECT_EQ(ini.value("S", "U", "").size(), 682);
}

TEST_F(IniFileTest, GbkAndUtf8FilesGiveTheSameTexts) {
    const QString text = QStringLiteral("[Language]\nConfirmation=提示\nCaution=注意\n");
    WriteFileBytes(path("utf8.ini"), text.toUtf8());
    QStringEncoder gbk("GBK");
    WriteFileBytes(path("gbk.ini"), QByteArray(gbk.encode(text)));
    const IniFile a(path("utf8.ini"));
    const IniFile b(path("gbk.ini"));
    EXPECT_FALSE(a.isGbk());
    EXPECT_TRUE(b.isGbk());
    for (const char* key : {"Confirmation", "Caution"})
        EXPECT_EQ(a.value("Language", key, "d"), b.value("Language", key, "d")) << key;
    EXPECT_EQ(b.value("Language", "Confirmation", "d"), QStringLiteral("提示"));
}

TEST_F(IniFileTest, WritingOneKeyKeepsEveryOtherLineByteForByte) {
    const QByteArray before = "; settings\r\n[SysInfo]\r\nCom=COM1\r\nUnknown = keep me \r\n"
                              "Language=Chinese|English\r\n\r\n[Other]\r\nX=1\r\n";
    WriteFileBytes(path(), before);
    IniFile ini(path());
    ASSERT_TRUE(ini.setValue("sysinfo", "com", "COM7"));
    ASSERT_TRUE(ini.setValue("SysInfo", "PicID", "3"));
    ASSERT_TRUE(ini.setValue("New", "Key", "v"));
    EXPECT_EQ(ReadFileBytes(path()),
              QByteArray("; settings\r\n[SysInfo]\r\nCom=COM7\r\nUnknown = keep me \r\n"
                         "Language=Chinese|English\r\nPicID=3\r\n\r\n[Other]\r\nX=1\r\n"
                         "[New]\r\nKey=v\r\n"));
    EXPECT_EQ(IniFile(path()).value("SYSINFO", "COM", "d"), "COM7");
}

TEST_F(IniFileTest, WritingCreatesAMissingFileAndKeepsAGbkFileGbk) {
    IniFile fresh(path("new.ini"));
    ASSERT_TRUE(fresh.setValue("SysInfo", "Com", "COM1"));
    EXPECT_EQ(ReadFileBytes(path("new.ini")), QByteArray("[SysInfo]\nCom=COM1\n"));

    QStringEncoder gbk("GBK");
    WriteFileBytes(path("gbk.ini"),
                   QByteArray(gbk.encode(QStringLiteral("[SysInfo]\nChinese=中文|英文\n"))));
    IniFile ini(path("gbk.ini"));
    ASSERT_TRUE(ini.setValue("SysInfo", "Note", QStringLiteral("提示")));
    QStringEncoder gbk2("GBK");
    const QByteArray expected =
        gbk2.encode(QStringLiteral("[SysInfo]\nChinese=中文|英文\nNote=提示\n"));
    EXPECT_EQ(ReadFileBytes(path("gbk.ini")), expected);
}

TEST_F(IniFileTest, AFailedWriteNamesTheFileAndChangesNothing) {
    IniFile ini(m_dir.filePath("no-such-folder/SysInfo.Ini"));
    const Result<void> written = ini.setValue("SysInfo", "Com", "COM1");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.error(),
              "Unable to write to " + m_dir.filePath("no-such-folder/SysInfo.Ini"));
}

} // namespace
