// qx7-cli against qx7-sim over a real pseudo-terminal.

#include "CodeplugBuilder.h"
#include "FaultCases.h"
#include "SimulatedRadio.h"
#include "TestUtil.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "image/DataFile.h"
#include "image/MemoryMap.h"
#include "model/TMacList.h"
#include "port/PortNames.h"
#include "port/RadioPort.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct CliResult {
    int status = -1;
    QString err;
};

class EndToEndTest : public ::testing::Test {
  protected:
    ~EndToEndTest() override {
        if (m_sim.state() != QProcess::NotRunning) {
            m_sim.terminate();
            m_sim.waitForFinished(3000);
        }
    }

    QProcessEnvironment env() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("QX7_HOME", m_dir.path());
        e.insert("SOURCE_DATE_EPOCH", "1717596420");
        e.insert("TZ", "UTC");
        return e;
    }

    /** Starts the simulator and returns the device path it prints. */
    QString startSim(const QStringList& args) {
        m_sim.setProcessEnvironment(env());
        m_sim.setWorkingDirectory(m_dir.path());
        m_sim.start(QStringLiteral(QX7_SIM), args);
        if (!m_sim.waitForStarted(5000))
            return {};
        while (!m_sim.canReadLine() && m_sim.waitForReadyRead(5000)) {
        }
        return QString::fromLocal8Bit(m_sim.readLine()).trimmed();
    }

    CliResult cli(const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env());
        p.setWorkingDirectory(m_dir.path());
        p.start(QStringLiteral(QX7_CLI), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }

    /** A data file with channels, tones, settings and a message. */
    QByteArray fullCodeplug() {
        CodeplugBuilder build(m_ctx);
        build.Band("440 - 480MHz").Message("FIELD DAY 2024", "ABCDEFGHIJKLMNOPQRSTUVWXYZ 12345");
        for (int i = 0; i < 16; i += 3) {
            const double rx = 446.00625 + i * 0.0125;
            build.Channel(i + 1, {rx, i % 2 ? std::optional<double>() : rx + 5,
                                  i % 2 ? "D754I" : "88.5", "", FromItem<Power>(i % 2),
                                  Bandwidth::Wide, YesNo::Yes, YesNo::No, YesNo::Yes});
        }
        build.Settings().Scan = 1;
        build.Settings().VoxGainLevel = 2;
        return build.DataFile();
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    AppContext m_ctx{m_dir.path()};
    QProcess m_sim;
};

TEST_F(EndToEndTest, WriteThenReadRoundTripsAFullCodeplug) {
    const QString device = startSim({"--dump", path("dump.bin")});
    ASSERT_TRUE(device.startsWith("/dev/")) << device.toStdString();
    // The radio is reached by a COM name mapped to the pseudo-terminal.
    WriteFileBytes(path("SysInfo.Ini"), "[SysInfo]\n[Ports]\nCOM9=" + device.toLocal8Bit() + "\n");
    const QByteArray original = fullCodeplug();
    WriteFileBytes(path("full.dat"), original);

    CliResult r = cli({"write", "--port", "COM9", "full.dat"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray dumped = ReadFileBytes(path("dump.bin"));
    EXPECT_EQ(dumped, *SimulatedRadio::ImageFromDataFile(original, m_ctx.models()));
    EXPECT_EQ(dumped.mid(0x010, 16), original.mid(16, 16));          // channel 1
    EXPECT_EQ(dumped.mid(0x2B0, 16), original.mid(55 * 16, 16));     // option settings
    EXPECT_EQ(dumped.mid(0x380, 4 * 16), original.mid(56 * 16, 64)); // message
    EXPECT_EQ(dumped.mid(0x3D0, 16), original.mid(61 * 16, 16));     // band
    EXPECT_EQ(dumped.left(16), QByteArray(16, '\xFF'));              // record 0 blank

    r = cli({"read", "--port", device, "-o", "back.dat"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(ReadFileBytes(path("back.dat")), original);
}

TEST_F(EndToEndTest, ASilentRadioFailsTheReadAndWritesNothing) {
    const QString device = startSim({"--silent-after", "5"});
    CliResult r = cli({"read", "--port", device, "-o", "none.dat"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains(m_ctx.texts().ComError)) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("none.dat")));
}

TEST_F(EndToEndTest, APortThatDoesNotExistIsReported) {
    CliResult r = cli({"read", "--port", "/dev/qx7-no-such-port", "-o", "x.dat"});
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(r.err.contains(m_ctx.texts().LPortError));
    EXPECT_TRUE(r.err.contains("/dev/qx7-no-such-port"));
    r = cli({"write", "--port", "COM250", "x.dat"});
    EXPECT_EQ(r.status, 2); // the data file is looked at first
}

// A safe write: the radio's codeplug kept first, the file written, the radio
// read back and compared. The radio holds a full codeplug; the file another.
class SafeWriteTest : public EndToEndTest {
  protected:
    void SetUp() override {
        WriteFileBytes(path("radio.dat"), fullCodeplug());
        WriteFileBytes(path("new.dat"), newCodeplug().DataFile());
    }
    CodeplugBuilder newCodeplug() {
        CodeplugBuilder build(m_ctx);
        build.Channel(3, {438.5, 433.5, "D023N", "67.0", Power::High, Bandwidth::Narrow, YesNo::Yes,
                          YesNo::No, YesNo::Yes});
        build.Settings().SquelchLevel = 7;
        return build;
    }
    /** The radio, holding radio.dat, behind the link "radio", with more switches. */
    bool startRadio(const QStringList& more = {}) {
        return !startSim(QStringList{"--image", path("radio.dat"), "--link", path("radio"),
                                     "--dump", path("dump.bin")} +
                         more)
                    .isEmpty();
    }
    CliResult safeWrite() {
        return cli({"write", "--port", path("radio"), "new.dat", "--backup", "backup.dat",
                    "--verify", "--trace", "trace.txt"});
    }
};

TEST_F(SafeWriteTest, AGoodRadioIsBackedUpWrittenAndVerified) {
    ASSERT_TRUE(startRadio());
    const CliResult r = safeWrite();
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("was written and verified")) << r.err.toStdString();
    // The backup is the radio's earlier codeplug, byte for byte as a read saves it.
    EXPECT_EQ(ReadFileBytes(path("backup.dat")), ReadFileBytes(path("radio.dat")));
    EXPECT_EQ(ReadFileBytes(path("dump.bin")),
              *SimulatedRadio::ImageFromDataFile(ReadFileBytes(path("new.dat")), m_ctx.models()));
    // The log holds the three sessions in their order.
    const QString trace = QString::fromUtf8(ReadFileBytes(path("trace.txt")));
    const qsizetype backup = trace.indexOf(": the backup ==");
    const qsizetype write = trace.indexOf("== write session");
    const qsizetype verify = trace.indexOf(": the verify ==");
    EXPECT_TRUE(backup >= 0 && backup < write && write < verify) << trace.left(400).toStdString();
}

TEST_F(SafeWriteTest, ARadioThatStoresABlockWronglyFailsTheVerifyNamingTheField) {
    // The first byte of channel 3's record, which holds the low digits of its RX frequency.
    const int address = MemoryMap::ForModel(*m_ctx.models().FindByCode("8524"))
                            .Find(RecordKind::Channel, 3)
                            .radioAddress;
    ASSERT_TRUE(startRadio({"--store-wrongly", QString::number(address)}));
    const CliResult r = safeWrite();
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains("holds something else than")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("channel 3 RX Frequency: 438.50000 -> 438.5"))
        << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("Squelch level")) << "only what differs is listed";
}

TEST_F(SafeWriteTest, ARadioSilentDuringTheVerifyMayHaveBeenWritten) {
    // Silent from the first command after the write's own.
    const auto writeCommands = static_cast<int>(newCodeplug().RadioRecords().size() * 2);
    ASSERT_TRUE(startRadio({"--silent-after", QString::number(writeCommands)}));
    const CliResult r =
        cli({"write", "--port", path("radio"), "new.dat", "--verify", "--trace", "t.txt"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains("the write may have succeeded, but it could not be verified"))
        << r.err.toStdString();
    // The log tells the time-out and the answer to the question that followed.
    const QString trace = QString::fromUtf8(ReadFileBytes(path("t.txt")));
    EXPECT_TRUE(trace.contains("time-out  no answer within 1500 ms"))
        << trace.right(600).toStdString();
    EXPECT_TRUE(trace.contains("\" -> Cancel\n"));
    EXPECT_TRUE(trace.contains(QRegularExpression("ms  end +failed\\n$")));
    EXPECT_EQ(ReadFileBytes(path("dump.bin")),
              *SimulatedRadio::ImageFromDataFile(ReadFileBytes(path("new.dat")), m_ctx.models()));
}

TEST_F(SafeWriteTest, AFailedBackupWritesNothing) {
    ASSERT_TRUE(startRadio({"--silent-after", "5"}));
    CliResult r = safeWrite();
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains("the backup failed")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("nothing was written"));
    EXPECT_FALSE(QFile::exists(path("backup.dat")));
    EXPECT_FALSE(QFile::exists(path("dump.bin"))) << "no session reached its end";
    EXPECT_FALSE(QString::fromUtf8(ReadFileBytes(path("trace.txt"))).contains("write session"));

    // A backup that could not be kept is known before the radio is woken.
    QDir().mkdir(path("folder.dat"));
    r = cli({"write", "--port", path("radio"), "new.dat", "--backup", "folder.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("the radio was not touched")) << r.err.toStdString();
}

/** The bytes of the lines of a trace that say what (sent or received). */
QByteArray tracedBytes(const QString& trace, const QString& what) {
    static const QRegularExpression line(
        QStringLiteral("^ *\\d+ ms  (\\w+) +((?:[0-9A-F]{2} )*[0-9A-F]{2})  "));
    QByteArray bytes;
    for (const QString& l : trace.split('\n'))
        if (const auto m = line.match(l); m.hasMatch() && m.captured(1) == what)
            bytes += QByteArray::fromHex(m.captured(2).toLatin1());
    return bytes;
}

/** The bytes of the simulator's log lines that start with direction. */
QByteArray loggedBytes(const QByteArray& log, char direction) {
    QByteArray bytes;
    for (const QByteArray& l : log.split('\n'))
        if (l.startsWith(direction))
            bytes += QByteArray::fromHex(l.mid(2));
    return bytes;
}

TEST_F(EndToEndTest, TheTraceHoldsEveryByteTheRadioSawAndSent) {
    WriteFileBytes(path("radio.dat"), fullCodeplug());
    ASSERT_FALSE(
        startSim({"--image", path("radio.dat"), "--link", path("radio"), "--log", path("sim.log")})
            .isEmpty());
    const CliResult r =
        cli({"read", "--port", path("radio"), "-o", "read.dat", "--trace", "t.txt"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString trace = QString::fromUtf8(ReadFileBytes(path("t.txt")));
    // The radio may still be taking in the last bytes when the tool has ended.
    QByteArray simLog = ReadFileBytes(path("sim.log"));
    for (int i = 0; i < 100 && loggedBytes(simLog, '<').size() < tracedBytes(trace, "sent").size();
         ++i) {
        QThread::msleep(30);
        simLog = ReadFileBytes(path("sim.log"));
    }
    EXPECT_EQ(tracedBytes(trace, "sent").toHex(' '), loggedBytes(simLog, '<').toHex(' '));
    EXPECT_EQ(tracedBytes(trace, "received").toHex(' '), loggedBytes(simLog, '>').toHex(' '));
    EXPECT_GT(tracedBytes(trace, "received").size(), 24 * 12);
    // The read's first pause, the wake-up word with its characters, the prompt and the end.
    const QStringList lines = trace.split('\n');
    EXPECT_TRUE(lines.value(1).endsWith("pause     500 ms")) << lines.value(1).toStdString();
    EXPECT_TRUE(trace.contains(QRegularExpression("sent +4D +M\\n")));
    EXPECT_TRUE(trace.contains("prompt    \"" + m_ctx.texts().ReadOk + "\" -> OK"));
    EXPECT_TRUE(trace.contains(QRegularExpression("ms  end +completed\\n$")));
}

class FaultMatrix : public EndToEndTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultMatrix, EndsAsDocumented) {
    const Fault& f = GetParam();
    // The radio holds a full codeplug; the file on disk is another one.
    WriteFileBytes(path("radio.dat"), fullCodeplug());
    QStringList args{"--image", path("radio.dat")};
    for (const char* a : f.sim)
        args << QString::fromLatin1(a);
    // The radio is reached through its link, which goes with the simulator: a
    // restart after a cut line never opens a device number that another
    // test's simulator was given since, and a radio plugged in again comes
    // back behind the same link.
    args << "--link" << path("radio");
    ASSERT_FALSE(startSim(args).isEmpty());
    const QString device = path("radio");
    ASSERT_EQ(cli({"new", "-o", "disk.dat"}).status, 0);
    const QByteArray before = ReadFileBytes(path("disk.dat"));

    const CliResult r = f.read ? cli({"read", "--port", device, "-o", "disk.dat"})
                               : cli({"write", "--port", device, "disk.dat"});
    EXPECT_EQ(r.status, f.status) << r.err.toStdString();

    const TLanguage& t = m_ctx.texts();
    const QString text = MessageText(t, f.message);
    // The command-line tool answers a question on standard error: Cancel or No.
    const QString shown = f.kind == Prompt::kRetryCancel ? t.Confirmation + ' ' + text + " Cancel"
                          : f.kind == Prompt::kYesNo     ? t.Confirmation + ' ' + text + " No"
                                                         : text;
    // A prompt's line; the port's failure goes on, on the same line, with what failed where.
    const QStringList lines = r.err.split('\n');
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
        return line.startsWith(shown);
    })) << r.err.toStdString();
    if (f.failed()) {
        EXPECT_TRUE(r.err.contains(device)) << "the port is named: " << r.err.toStdString();
    }
    EXPECT_EQ(r.err.count(text), 1) << "one prompt: " << r.err.toStdString();

    if (!f.read || f.failed()) {
        EXPECT_EQ(ReadFileBytes(path("disk.dat")), before) << "the file on disk changed";
    }

    // The port is free again at once, unless the radio hung up and took it along.
    if (!f.cut()) {
        RadioPort port;
        const Result<QString> opened = port.OpenFor(device, PortNames(), false);
        EXPECT_TRUE(opened) << opened.error().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Radios, FaultMatrix, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
