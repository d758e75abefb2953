#include "RadioCommands.h"

#include "ExitCode.h"
#include "SignalWatch.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "app/SafeFile.h"
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
    // One line: the message of the language in use, then what failed on which port.
    PrintError(ws.ctx.texts().LPortError + ' ' + opened.detail);
    return false;
}

/** Where a session stood, in words: "during channel 5", "at the handshake". */
QString whereOf(const RadioSession::Report& report) {
    using Stage = RadioSession::Stage;
    switch (report.stage) {
    case Stage::Start:
        return QStringLiteral("before the handshake");
    case Stage::Handshake:
        return QStringLiteral("at the handshake");
    case Stage::Identity:
        return QStringLiteral("while asking for its identity");
    case Stage::End:
        return QStringLiteral("at the end of the session");
    case Stage::Transfer:
        break;
    }
    if (!report.record)
        return QStringLiteral("at the start of the transfer");
    switch (report.record->kind) {
    case RecordKind::Channel:
        return QStringLiteral("during channel %1").arg(report.record->index);
    case RecordKind::Message:
        return QStringLiteral("during the embedded message");
    case RecordKind::BasicSettings:
    case RecordKind::OptionSettings:
        return QStringLiteral("during the function settings");
    case RecordKind::Band:
        return QStringLiteral("during the band record");
    case RecordKind::UsedBitmap:
    case RecordKind::ScanBitmap:
        return QStringLiteral("during the channel bitmaps");
    case RecordKind::Header:
        return QStringLiteral("during record 0");
    case RecordKind::Reserved:
        break;
    }
    return QStringLiteral("during a reserved record");
}

/** One sentence: what went wrong with the radio on which port, and where. */
QString troubleOf(const RadioSession& session, const QString& port, const Workspace& ws) {
    using Trouble = RadioSession::Trouble;
    const RadioSession::Report& report = session.LastTrouble();
    const QString where = whereOf(report);
    const QString identity = MessageText::Quoted(session.Identity());
    const QString model = session.Identity().mid(1, 4);
    switch (report.trouble) {
    case Trouble::NoAnswer:
        return QStringLiteral("no answer from the radio on %1 %2").arg(port, where);
    case Trouble::LineLost:
        return QStringLiteral("the line to the radio on %1 was lost %2 (is the cable in?)")
            .arg(port, where);
    case Trouble::WrongAnswer:
        return QStringLiteral("the radio on %1 answered wrongly %2").arg(port, where);
    case Trouble::UnknownModel:
        return QStringLiteral("the radio on %1 reports the identity \"%2\", of no model QX7 knows")
            .arg(port, identity);
    case Trouble::OtherModel:
        return QStringLiteral("the radio on %1 is model %2, whose channels are not those of "
                              "model %3")
            .arg(port, MessageText::Quoted(model), ws.ctx.all().ModelCode);
    case Trouble::Declined:
        return QStringLiteral("the radio on %1 is not model %2 (its identity is \"%3\"); give "
                              "--force to write it anyway")
            .arg(port, ws.ctx.all().ModelCode, identity);
    case Trouble::Cancelled:
        return QStringLiteral("the session with the radio on %1 was stopped %2").arg(port, where);
    case Trouble::PortUnavailable:
    case Trouble::None:
        break;
    }
    return QStringLiteral("the session with the radio on %1 failed %2").arg(port, where);
}

/** How a session ended, as qx7-cli tells it. */
struct SessionEnd {
    int status = ExitCode::kSessionFailed;
    int signal = 0;
};

/** Runs a session to its end; Ctrl+C or SIGTERM stops it in order. */
SessionEnd runSession(Workspace& ws, RadioSession& session, RadioPort& port, const QString& name,
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
    SignalWatch watch;
    SessionOutcome outcome = SessionOutcome::Failed;
    QObject::connect(&driver, &SessionDriver::progressChanged, &loop,
                     [&bar](int value, int maximum) { bar.Show(value, maximum); });
    QObject::connect(&driver, &SessionDriver::ended, &loop, [&](SessionOutcome o) {
        bar.Finish();
        outcome = o;
        loop.quit();
    });
    QObject::connect(&watch, &SignalWatch::caught, &driver, [&driver] { driver.Cancel(); });
    driver.Start();
    if (driver.Running())
        loop.exec();
    bar.Finish();
    port.close(); // the line settings the port had before come back
    SessionEnd end;
    end.signal = watch.Caught();
    if (end.signal != 0)
        end.status = 128 + end.signal; // as the shell reports a program a signal stopped
    else if (outcome == SessionOutcome::Completed)
        end.status = ExitCode::kOk;
    else if (portFailed)
        end.status = ExitCode::kPortFailed;
    return end;
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

int PortsCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    if (!ParseArgs(parser, *this, args, 0))
        return ExitCode::kUsage;
    const Workspace ws(env);
    for (const PortNames::Port& p : PortNames(SettingsReadPath(ws.ctx.all())).ListPorts())
        PrintOut(QStringLiteral("%1\t%2%3\n")
                     .arg(p.name, p.device,
                          p.permitted ? QString() : "\t" + PortNames::PermissionAdvice()));
    return ExitCode::kOk;
}

int ReadCommand::run(const QStringList& args, const CliEnvironment& env) {
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
    // A file that cannot be written is known before the radio is woken.
    const QString out = parser.value(kOutput);
    if (const QString why = SafeFile::WhyNotWritable(out); !why.isEmpty()) {
        PrintError(QStringLiteral("Cannot write %1: %2; the radio was not read.")
                       .arg(MessageText::Path(out), why));
        return ExitCode::kBadFile;
    }
    Workspace ws(env);
    RadioPort port;
    const QString name = parser.value(kPort);
    if (!openPort(ws, port, name, true))
        return ExitCode::kPortFailed;
    RadioSession session(ws.ctx.models(), ws.ctx.bands());
    const SessionEnd end = runSession(ws, session, port, name, true);
    if (end.status != ExitCode::kOk) {
        if (end.status != ExitCode::kPortFailed)
            PrintError(QStringLiteral("qx7-cli read: %1; %2 was not written.")
                           .arg(troubleOf(session, MessageText::Quoted(name), ws),
                                MessageText::Path(out)));
        return end.status;
    }
    ws.doc.ApplyRead(*session.ReadResult());
    return ws.SaveTo(out) ? ExitCode::kOk : ExitCode::kBadFile;
}

int WriteCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption force("force", "Answer Yes when the radio is of another model.");
    parser.addOptions({kPort, force});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    if (!requirePort(parser, *this))
        return ExitCode::kUsage;
    Workspace ws(env, parser.isSet(force));
    const QString file = parser.positionalArguments().first();
    if (!ws.doc.OpenDataFile(file))
        return ExitCode::kBadFile;
    std::vector<std::pair<MapEntry, Record>> records;
    try {
        records = ws.doc.RadioRecords();
    } catch (const CodecError& e) {
        PrintError(QStringLiteral("%1: %2; nothing was written.")
                       .arg(MessageText::Path(file), e.message()));
        return ExitCode::kBadFile;
    }
    RadioPort port;
    const QString name = parser.value(kPort);
    if (!openPort(ws, port, name, false))
        return ExitCode::kPortFailed;
    RadioSession session(ws.ctx.models(), *ws.ctx.all().CurrentModel, std::move(records));
    const SessionEnd end = runSession(ws, session, port, name, false);
    if (end.status != ExitCode::kOk && end.status != ExitCode::kPortFailed) {
        // Blocks went out once the transfer began: the radio may hold some of them.
        const bool begun = session.LastTrouble().stage >= RadioSession::Stage::Transfer;
        PrintError(QStringLiteral("qx7-cli write: %1; %2.")
                       .arg(troubleOf(session, MessageText::Quoted(name), ws),
                            begun ? QStringLiteral("the radio may hold part of the new codeplug")
                                  : QStringLiteral("nothing was written")));
    }
    return end.status;
}
