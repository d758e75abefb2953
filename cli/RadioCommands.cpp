#include "RadioCommands.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/Settings.h"
#include "image/Record.h"
#include "port/PortNames.h"
#include "port/RadioPort.h"
#include "port/SessionDriver.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QEventLoop>

#include <cstdio>
#include <unistd.h>

namespace {

const QCommandLineOption kPort("port", "COM name or device path.", "PORT");
const QCommandLineOption kOutput({"o", "output"}, "Write to FILE.", "FILE");

/** A progress bar on standard error, drawn only when it is a terminal. */
class ProgressBar {
  public:
    ProgressBar() : m_enabled(isatty(STDERR_FILENO) != 0) {}
    ~ProgressBar() { Finish(); }
    void Show(int value, int maximum) {
        if (!m_enabled || maximum <= 0)
            return;
        constexpr int kWidth = 30;
        const int filled = kWidth * value / maximum;
        std::fprintf(stderr, "\r[%s%s] %d/%d", QByteArray(filled, '#').constData(),
                     QByteArray(kWidth - filled, '.').constData(), value, maximum);
        std::fflush(stderr);
        m_drawn = true;
    }
    void Finish() {
        if (m_drawn)
            std::fputc('\n', stderr);
        m_drawn = false;
    }

  private:
    bool m_enabled;
    bool m_drawn = false;
};

bool openPort(Workspace& ws, RadioPort& port, const QString& name, bool flush) {
    const RadioPort::OpenResult opened =
        port.OpenFor(name, PortNames(SettingsReadPath(ws.ctx.all())), flush);
    if (opened)
        return true;
    PrintError(ws.ctx.texts().LPortError);
    PrintError(opened.detail);
    return false;
}

/** Runs a session to its end; the exit status it gives. */
int runSession(Workspace& ws, RadioSession& session, RadioPort& port, const QString& name,
               bool flush) {
    SessionDriver driver(session, port, ws.prompter, ws.ctx.texts());
    bool portFailed = false;
    // After a lost line (an unplugged cable) a restart opens the port again.
    driver.SetReopen([&] {
        portFailed = !openPort(ws, port, name, flush);
        return !portFailed;
    });
    ProgressBar bar;
    QEventLoop loop;
    SessionOutcome outcome = SessionOutcome::Failed;
    QObject::connect(&driver, &SessionDriver::progressChanged, &loop,
                     [&bar](int value, int maximum) { bar.Show(value, maximum); });
    QObject::connect(&driver, &SessionDriver::ended, &loop, [&](SessionOutcome o) {
        bar.Finish();
        outcome = o;
        loop.quit();
    });
    driver.Start();
    if (driver.Running())
        loop.exec();
    port.close();
    if (outcome == SessionOutcome::Completed)
        return ExitCode::kOk;
    return portFailed ? ExitCode::kPortFailed : ExitCode::kSessionFailed;
}

bool requirePort(const QCommandLineParser& parser, const CliCommand& command) {
    if (parser.isSet(kPort))
        return true;
    PrintError(QStringLiteral("qx7-cli %1: --port PORT is required (a COM name such as COM1, or "
                              "a device path).")
                   .arg(command.name()));
    return false;
}

} // namespace

int PortsCommand::run(const QStringList& args, const QString& appDir) {
    QCommandLineParser parser;
    if (!ParseArgs(parser, *this, args, 0))
        return ExitCode::kUsage;
    const Workspace ws(appDir);
    for (const PortNames::Port& p : PortNames(SettingsReadPath(ws.ctx.all())).ListPorts())
        PrintOut(QStringLiteral("%1\t%2%3\n")
                     .arg(p.name, p.device,
                          p.permitted ? QString() : "\t" + PortNames::PermissionAdvice()));
    return ExitCode::kOk;
}

int ReadCommand::run(const QStringList& args, const QString& appDir) {
    QCommandLineParser parser;
    parser.addOptions({kPort, kOutput});
    if (!ParseArgs(parser, *this, args, 0))
        return ExitCode::kUsage;
    if (!requirePort(parser, *this))
        return ExitCode::kUsage;
    if (!parser.isSet(kOutput)) {
        PrintError("qx7-cli read: -o FILE.dat is required.");
        return ExitCode::kUsage;
    }
    Workspace ws(appDir);
    RadioPort port;
    if (!openPort(ws, port, parser.value(kPort), true))
        return ExitCode::kPortFailed;
    RadioSession session(ws.ctx.models(), ws.ctx.bands());
    if (const int status = runSession(ws, session, port, parser.value(kPort), true);
        status != ExitCode::kOk)
        return status;
    ws.doc.ApplyRead(*session.ReadResult());
    return ws.SaveTo(parser.value(kOutput)) ? ExitCode::kOk : ExitCode::kBadFile;
}

int WriteCommand::run(const QStringList& args, const QString& appDir) {
    QCommandLineParser parser;
    const QCommandLineOption force("force", "Answer Yes when the radio is of another model.");
    parser.addOptions({kPort, force});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    if (!requirePort(parser, *this))
        return ExitCode::kUsage;
    Workspace ws(appDir, parser.isSet(force));
    if (!ws.doc.OpenDataFile(parser.positionalArguments().first()))
        return ExitCode::kBadFile;
    std::vector<std::pair<MapEntry, Record>> records;
    try {
        records = ws.doc.RadioRecords();
    } catch (const CodecError& e) {
        PrintError(QStringLiteral("%1: %2; nothing was written.")
                       .arg(parser.positionalArguments().first(), e.message()));
        return ExitCode::kBadFile;
    }
    RadioPort port;
    if (!openPort(ws, port, parser.value(kPort), false))
        return ExitCode::kPortFailed;
    RadioSession session(ws.ctx.models(), *ws.ctx.all().CurrentModel, std::move(records));
    return runSession(ws, session, port, parser.value(kPort), false);
}
