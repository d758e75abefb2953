#include "app/SafeFile.h"
#include "TestUtil.h"
#include "app/MessageText.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class SafeFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(SafeFileTest, ReplacesOnlyARegularFile) {
    ASSERT_TRUE(SafeFile::Write(path("a.dat"), "one"));
    ASSERT_TRUE(SafeFile::Write(path("a.dat"), "two"));
    EXPECT_EQ(ReadFileBytes(path("a.dat")), "two");

    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder"));
    const struct {
        const char* name;
        const char* kind;
    } refused[] = {{"fifo", "a FIFO"}, {"folder", "a folder"}};
    for (const auto& r : refused) {
        const QString error = SafeFile::Write(path(r.name), "x").error();
        EXPECT_EQ(error,
                  QStringLiteral("Cannot write %1: it is %2, not a file; choose a file name.")
                      .arg(path(r.name), QLatin1String(r.kind)));
    }
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path("fifo")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)); // untouched
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    EXPECT_TRUE(
        SafeFile::Write(path("no such folder/a.dat"), "x").error().contains("does not exist"));
}

TEST_F(SafeFileTest, WritesThroughALink) {
    ASSERT_TRUE(SafeFile::Write(path("real.dat"), "old"));
    ASSERT_TRUE(QFile::link(path("real.dat"), path("link.dat")));
    ASSERT_TRUE(SafeFile::Write(path("link.dat"), "new"));
    EXPECT_TRUE(QFileInfo(path("link.dat")).isSymLink()); // the link stays a link
    EXPECT_EQ(ReadFileBytes(path("real.dat")), "new");
    // A link to something that is no file is refused like the thing itself.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("fifo"), path("to-fifo")));
    EXPECT_TRUE(SafeFile::Write(path("to-fifo"), "x").error().contains("it is a FIFO"));
    // A link that names no file yet makes that file.
    ASSERT_TRUE(QFile::link(path("later.dat"), path("to-later")));
    ASSERT_TRUE(SafeFile::Write(path("to-later"), "made"));
    EXPECT_EQ(ReadFileBytes(path("later.dat")), "made");
    EXPECT_TRUE(QFileInfo(path("to-later")).isSymLink());
}

TEST_F(SafeFileTest, ReadsNoMoreThanItsLimit) {
    WriteFileBytes(path("big"), QByteArray(100, 'x'));
    EXPECT_EQ(SafeFile::Read(path("big"), 100)->size(), 100);
    const Result<QByteArray> refused = SafeFile::Read(path("big"), 99);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error(), QStringLiteral("Cannot read %1: it holds more than 99 bytes, far "
                                              "more than any codeplug.")
                                   .arg(path("big")));
    EXPECT_EQ(*SafeFile::Read(path("big"), 10, true), QByteArray(10, 'x'));
    // An endless device is read only as far as the limit.
    EXPECT_EQ(SafeFile::Read("/dev/zero", SafeFile::kTextLimit, true)->size(),
              SafeFile::kTextLimit);
    EXPECT_TRUE(
        SafeFile::Read("/dev/zero", SafeFile::kTextLimit).error().contains("more than 4 MB"));
    EXPECT_TRUE(SafeFile::Read(m_dir.path(), 10).error().contains("it is a folder"));
    EXPECT_TRUE(SafeFile::Read(path("none"), 10).error().startsWith("Cannot open "));
}

TEST(MessageTextTest, QuotesInputShortAndEscaped) {
    const struct {
        QString input;
        QString shown;
    } cases[] = {
        {"plain", "plain"},
        {"two\nlines\r\tand a tab", "two\\nlines\\r\\tand a tab"},
        {QString("\x1b[31mred") + QChar(0) + "nul", "\\x1B[31mred\\x00nul"},
        {QString(QChar(0x202E)) + "evil", "\\u202Eevil"},
        {QString(50, 'a'), QString(40, 'a') + QChar(0x2026)},
        {QString::fromUtf8("提示"), QString::fromUtf8("提示")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageText::Quoted(c.input), c.shown) << c.input.toStdString();
    EXPECT_EQ(MessageText::Path(QString(100, 'p') + '\n'), QString(100, 'p') + "\\n");
    EXPECT_EQ(MessageText::Bytes(1), "1 byte");
    EXPECT_EQ(MessageText::Bytes(992), "992 bytes");
}

} // namespace
