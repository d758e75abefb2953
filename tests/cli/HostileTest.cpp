// qx7-cli and qx7-sim given what a hostile user or a broken system gives them:
// special files as outputs, endless inputs, a full standard output, control
// characters, signals in the middle of a session.

#include "CliFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

class HostileTest : public CliFixture {
  protected:
    /** What stands at path, as stat tells it (links followed); 0 when nothing. */
    static mode_t typeOf(const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
    }
    void makeFifo(const QString& name) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
    }
    /** qx7-sim on a link in the test's folder; returns once it is ready. */
    void startSim(QProcess& sim, const QStringList& args) {
        prepare(sim);
        sim.start(QStringLiteral(QX7_SIM), args);
        ASSERT_TRUE(sim.waitForStarted(5000));
        while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
        }
        ASSERT_FALSE(sim.readLine().isEmpty()) << sim.readAllStandardError().toStdString();
    }
    static void stop(QProcess& sim) {
        sim.terminate();
        sim.waitForFinished(5000);
    }
};

// Every command that writes a file refuses a target that is no regular file,
// and leaves it as it was.
TEST_F(HostileTest, SpecialFilesAreNeverReplaced) {
    ASSERT_EQ(cli({"new", "-o", "base.dat"}).status, 0);
    WriteFileBytes(path("plan.csv"), "Location,Frequency\r\n1,446.00625\r\n");
    makeFifo("fifo");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder"));
    ASSERT_TRUE(QFile::link(path("fifo"), path("to-fifo")));
    struct Target {
        const char* name;
        mode_t type;
        const char* kind;
    };
    std::vector<Target> targets = {{"fifo", S_IFIFO, "a FIFO"},
                                   {"folder", S_IFDIR, "a folder"},
                                   {"to-fifo", S_IFIFO, "a FIFO"}};
    // A character device of the test's own (never one of /dev), where root may make one.
    if (::mknod(QFile::encodeName(path("device")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        targets.push_back({"device", S_IFCHR, "a character device"});
    const std::vector<QStringList> commands = {
        {"new", "-o"},
        {"export", "base.dat", "-o"},
        {"export", "base.dat", "--format", "csv", "-o"},
        {"import", "plan.csv", "--model", "8524", "-o"},
    };
    for (const Target& t : targets)
        for (const QStringList& command : commands) {
            const CliRun r = cli(command + QStringList{t.name});
            EXPECT_EQ(r.status, 2) << t.name << " " << command.join(' ').toStdString();
            EXPECT_TRUE(r.err.contains(QStringLiteral("Cannot write %1: it is %2, not a file")
                                           .arg(QLatin1String(t.name), QLatin1String(t.kind))))
                << r.err.toStdString();
            EXPECT_EQ(typeOf(path(t.name)), t.type) << t.name << " was touched";
        }
    EXPECT_TRUE(QFileInfo(path("to-fifo")).isSymLink());
}

TEST_F(HostileTest, ALinkToAFileIsSavedThrough) {
    WriteFileBytes(path("real.dat"), "old");
    ASSERT_TRUE(QFile::link(path("real.dat"), path("link.dat")));
    const CliRun r = cli({"new", "-o", "link.dat"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo(path("link.dat")).isSymLink());
    EXPECT_EQ(ReadFileBytes(path("real.dat")).size(), 992);
}

TEST_F(HostileTest, AFullStandardOutputIsAFailure) {
    ASSERT_EQ(cli({"new", "-o", "base.dat"}).status, 0);
    for (const QStringList& args :
         {QStringList{"export", "base.dat"}, QStringList{"info", "base.dat"}, {"models"}}) {
        QProcess p;
        prepare(p);
        p.setStandardOutputFile("/dev/full");
        p.start(QStringLiteral(QX7_CLI), args);
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(p.readAllStandardError()).trimmed(),
                  "Cannot write to standard output: No space left on device.");
    }
}

TEST_F(HostileTest, EndlessAndHugeInputsAreRefused) {
    WriteFileBytes(path("huge.json"), QByteArray(5 * 1024 * 1024, ' '));
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{"info", "/dev/zero"},
         "/dev/zero is for model \"\\x00\\x00\\x00\\x00\", which QX7 does not know"},
        {{"export", "/dev/zero"}, "which QX7 does not know"},
        {{"import", "/dev/zero", "--format", "json", "-o", "x.dat"},
         "Cannot read /dev/zero: it holds more than 4 MB"},
        {{"import", "/dev/zero", "--format", "csv", "--model", "8524", "-o", "x.dat"},
         "Cannot read /dev/zero: it holds more than 4 MB"},
        {{"import", "huge.json", "-o", "x.dat"}, "Cannot read huge.json: it holds more than 4 MB"},
        {{"info", "."}, "Cannot read .: it is a folder"},
    };
    for (const auto& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path("x.dat")));

    QProcess sim;
    prepare(sim);
    sim.start(QStringLiteral(QX7_SIM), {"--image", "/dev/zero"});
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardError().contains("which QX7 does not know"));
}

TEST_F(HostileTest, MessagesQuoteInputShortAndEscaped) {
    const QString hostile = "\x1b]0;owned\x07" + QString(5000, 'x') + "\n";
    CliRun r = cli({hostile});
    EXPECT_EQ(r.status, 1);
    EXPECT_LT(r.err.size(), 200);
    EXPECT_FALSE(r.err.contains(QChar(0x1B)));
    EXPECT_FALSE(r.err.contains(QChar(0x07)));
    EXPECT_TRUE(r.err.contains("\\x1B]0;owned\\x07xxx")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1); // one line

    WriteFileBytes(path("plan.csv"), "Location,Frequency,Mode\r\n1,446.00625,\"" +
                                         QByteArray(1 << 20, 'M') + "\x1b[2J\"\r\n");
    r = cli({"import", "plan.csv", "--model", "8524", "-o", "x.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_LT(r.err.size(), 400) << "the field is not echoed whole";
    EXPECT_FALSE(r.err.contains(QChar(0x1B)));

    // Wording: one byte, and one full stop after an unknown option.
    WriteFileBytes(path("one.dat"), "P");
    EXPECT_TRUE(cli({"info", "one.dat"}).err.contains("it holds 1 byte, less than"));
    r = cli({"info", "--bogus", "one.dat"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.contains("..")) << r.err.toStdString();
}

TEST_F(HostileTest, ABadSourceDateEpochIsRefused) {
    for (const char* epoch : {"yesterday", "1e9", "253402300800", "-5"}) {
        m_env["SOURCE_DATE_EPOCH"] = epoch;
        const CliRun r = cli({"new", "-o", "x.dat"});
        EXPECT_EQ(r.status, 2) << epoch;
        EXPECT_TRUE(r.err.contains("SOURCE_DATE_EPOCH")) << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path("x.dat")));
    }
    m_env["SOURCE_DATE_EPOCH"] = "253402300799"; // the last second of 9999
    EXPECT_EQ(cli({"new", "-o", "x.dat"}).status, 0);
}

TEST_F(HostileTest, AReadChecksItsOutputBeforeWakingTheRadio) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder"));
    makeFifo("fifo");
    for (const char* out : {"folder", "fifo", "no such folder/x.dat"}) {
        // The port does not exist: the output is what is looked at first.
        const CliRun r = cli({"read", "--port", "/dev/qx7-no-such-port", "-o", out});
        EXPECT_EQ(r.status, 2) << out;
        EXPECT_TRUE(r.err.contains("the radio was not read")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("qx7-no-such-port")) << r.err.toStdString();
    }
}

TEST_F(HostileTest, TheSimulatorsLinkTouchesNothingElse) {
    WriteFileBytes(path("mine.txt"), "keep");
    QProcess refused;
    prepare(refused);
    refused.start(QStringLiteral(QX7_SIM), {"--link", path("mine.txt")});
    ASSERT_TRUE(refused.waitForFinished(10000));
    EXPECT_EQ(refused.exitCode(), 2);
    EXPECT_TRUE(refused.readAllStandardError().contains("is already there"));
    EXPECT_EQ(ReadFileBytes(path("mine.txt")), "keep");

    // A link an earlier simulator left is taken over; at the end only its own link goes.
    ASSERT_TRUE(QFile::link("/dev/pts/4242", path("radio")));
    QProcess sim;
    startSim(sim, {"--link", path("radio")});
    EXPECT_TRUE(QFileInfo(path("radio")).symLinkTarget().startsWith("/dev/pts/"));
    EXPECT_NE(QFileInfo(path("radio")).symLinkTarget(), "/dev/pts/4242");
    QFile::remove(path("radio"));
    WriteFileBytes(path("radio"), "the user's now");
    stop(sim);
    EXPECT_EQ(ReadFileBytes(path("radio")), "the user's now");
}

TEST_F(HostileTest, ARelativePortIsAPath) {
    QProcess sim;
    startSim(sim, {"--link", path("radio")});
    const CliRun r = cli({"read", "--port", "./radio", "-o", "back.dat"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(ReadFileBytes(path("back.dat")).size(), 992);
    stop(sim);
}

// Ctrl+C or SIGTERM during a session: it stops in order, says what the radio
// may hold, and exits as the shell expects of a program a signal stopped.
TEST_F(HostileTest, ASignalStopsASessionInOrder) {
    ASSERT_EQ(cli({"new", "-o", "plan.dat"}).status, 0);
    WriteFileBytes(path("old.dat"), "keep");
    const struct {
        QStringList args;
        int signal;
        int status;
        const char* says;
    } cases[] = {
        {{"write", "--port", "./radio", "plan.dat"}, SIGINT, 130, "was stopped during channel"},
        {{"read", "--port", "./radio", "-o", "old.dat"}, SIGTERM, 143, "was stopped during"},
    };
    for (const auto& c : cases) {
        QProcess sim;
        startSim(sim, {"--link", path("radio"), "--pace"}); // at the line's own speed
        QProcess p;
        prepare(p);
        p.start(QStringLiteral(QX7_CLI), c.args);
        ASSERT_TRUE(p.waitForStarted(5000));
        QThread::msleep(1500); // past the handshake, into the channels
        ::kill(static_cast<pid_t>(p.processId()), c.signal);
        ASSERT_TRUE(p.waitForFinished(10000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.status) << err.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(c.says))) << err.toStdString();
        EXPECT_TRUE(err.contains("on ./radio")) << "the port is named: " << err.toStdString();
        if (c.args[0] == "write") {
            EXPECT_TRUE(err.contains("the radio may hold part of the new codeplug"));
        }
        EXPECT_EQ(ReadFileBytes(path("old.dat")), "keep"); // a read's output stays as it was
        // The port was let go: another session can have it at once.
        const CliRun again = cli({"read", "--port", "./radio", "-o", "again.dat"});
        EXPECT_EQ(again.status, 0) << again.err.toStdString();
        stop(sim);
    }
}

TEST_F(HostileTest, MessagesSpeakTheChosenLanguage) {
    for (const char* file : {"English.Ini", "Chinese.Ini"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(QX7_LANG_DIR "/") + file, path(file)));
    const QStringList read{"read", "--port", "/dev/qx7-no-such-port", "-o", "x.dat"};
    m_env["LANG"] = "C";
    m_env["LC_ALL"] = "";
    m_env["LC_MESSAGES"] = "";
    CliRun r = cli(read);
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString(); // one line
    EXPECT_TRUE(r.err.startsWith("Cannot open the port! Port /dev/qx7-no-such-port does not "
                                 "exist"))
        << r.err.toStdString();
    m_env["LANG"] = "zh_CN.UTF-8";
    r = cli(read);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("无法打开端口！"))) << r.err.toStdString();
    r = cli(QStringList{"--language", "English"} + read);
    EXPECT_TRUE(r.err.startsWith("Cannot open the port!")) << r.err.toStdString();
    r = cli(QStringList{"--language", "Klingon"} + read);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("no language file Klingon.Ini")) << r.err.toStdString();
}

} // namespace
