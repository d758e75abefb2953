// Times a whole read and a whole write against qx7-sim over a pseudo-terminal
// and prints each as a ratio to the least time the protocol allows: the sum
// of its fixed pauses and the line time of every byte at 9600 baud, 11 bits a
// byte. That least time is the session run on a virtual line with paced bytes.
// A safe write (qx7-cli write --backup --verify: a read, the write, a read,
// with a retry's pause before the write and before the verify) is timed as a
// whole process against the sum of its three least times and the two pauses.

#include "CodeplugBuilder.h"
#include "ScriptedPrompter.h"
#include "VirtualLine.h"
#include "app/AppContext.h"
#include "port/PortNames.h"
#include "port/RadioPort.h"
#include "port/SessionDriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

CodeplugBuilder sample(const AppContext& ctx) {
    CodeplugBuilder build(ctx);
    for (int i = 0; i < 16; ++i) {
        const double rx = 460.0 + 0.0125 * i;
        build.Channel(i + 1, {rx, rx, "", "", Power::Low, Bandwidth::Wide, YesNo::Yes, YesNo::Yes,
                              YesNo::Yes});
    }
    return build;
}

double leastSeconds(RadioSession session, bool lineTime = true) {
    SimulatedRadio radio("8524");
    ScriptedPrompter prompter;
    VirtualLine line(session, radio, prompter);
    line.SetPaced(lineTime);
    line.Start();
    return static_cast<double>(line.Elapsed()) / 1e6;
}

/** qx7-cli write --backup --verify of data file to device, in seconds; -1 when it fails. */
double safeWriteSeconds(const QString& dataFile, const QString& device, const QString& dir) {
    QProcess cli;
    cli.setWorkingDirectory(dir);
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(QX7_CLI),
              {"write", "--port", device, dataFile, "--backup", dir + "/backup.dat", "--verify"});
    if (!cli.waitForFinished(120000))
        return -1;
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0 ? seconds : -1;
}

double realSeconds(RadioSession session, const QString& device, const TLanguage& texts) {
    RadioPort port;
    if (!port.OpenFor(device, PortNames(), true))
        return -1;
    ScriptedPrompter prompter;
    SessionDriver driver(session, port, prompter, texts);
    QEventLoop loop;
    SessionOutcome outcome = SessionOutcome::Failed;
    QObject::connect(&driver, &SessionDriver::ended, &loop, [&](SessionOutcome o) {
        outcome = o;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    driver.Start();
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return outcome == SessionOutcome::Completed ? seconds : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppContext ctx(dir.path());
    const auto writeRecords = sample(ctx).RadioRecords();
    const QString dataFile = dir.filePath("sample.dat");
    {
        QFile out(dataFile);
        if (!out.open(QIODevice::WriteOnly) || out.write(sample(ctx).DataFile()) < 0)
            return 1;
    }
    const double leastRead = leastSeconds(RadioSession(ctx.models(), ctx.bands()));
    const double leastWrite =
        leastSeconds(RadioSession(ctx.models(), *ctx.models().Item(0), writeRecords));
    const double pausesRead = leastSeconds(RadioSession(ctx.models(), ctx.bands()), false);
    const double pausesWrite =
        leastSeconds(RadioSession(ctx.models(), *ctx.models().Item(0), writeRecords), false);
    const double retry = std::chrono::duration<double>(RadioSession::kRetryPause).count();
    const double leastSafe = 2 * leastRead + leastWrite + 2 * retry;
    std::printf("least time (pauses + line time): read %.3f s, write %.3f s\n", leastRead,
                leastWrite);
    std::printf("fixed pauses alone:              read %.3f s, write %.3f s\n", pausesRead,
                pausesWrite);
    std::printf("safe write least time (read + write + read + two %.0f ms pauses): %.3f s\n",
                retry * 1000, leastSafe);

    const int runs = argc > 1 ? std::max(1, QString(argv[1]).toInt()) : 3;
    int status = 0;
    for (bool paced : {false, true}) {
        QProcess sim;
        sim.start(QStringLiteral(QX7_SIM), paced ? QStringList{"--pace"} : QStringList{});
        sim.waitForStarted();
        while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
        }
        const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
        for (int run = 0; run < runs; ++run) {
            const double read =
                realSeconds(RadioSession(ctx.models(), ctx.bands()), device, ctx.texts());
            const double write =
                realSeconds(RadioSession(ctx.models(), *ctx.models().Item(0), writeRecords), device,
                            ctx.texts());
            std::printf(
                "pacing %-3s  read %.3f s  ratio %.3f (to pauses %.3f)   write %.3f s  ratio "
                "%.3f (to pauses %.3f)\n",
                paced ? "on" : "off", read, read / leastRead, read / pausesRead, write,
                write / leastWrite, write / pausesWrite);
            const double safe = safeWriteSeconds(dataFile, device, dir.path());
            std::printf("pacing %-3s  safe write %.3f s  ratio %.3f (to pauses %.3f)\n",
                        paced ? "on" : "off", safe, safe / leastSafe,
                        safe / (2 * pausesRead + pausesWrite + 2 * retry));
            if (read < 0 || write < 0 || safe < 0)
                status = 1;
        }
        sim.terminate();
        sim.waitForFinished();
    }
    return status;
}
