#include "RadioCommand.h"

#include "ExitCode.h"
#include "ProgressBar.h"
#include "SignalWatch.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "app/SafeFile.h"
#include "app/Settings.h"
#include "port/PortNames.h"
#include "port/RadioPort.h"
#include "port/SessionDriver.h"
#include "port/SessionLog.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QTimer>

namespace {

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

} // namespace

const QCommandLineOption& RadioCommand::PortOption() {
    static const QCommandLineOption port("port", "COM name or device path.", "PORT");
    return port;
}

const QCommandLineOption& RadioCommand::TraceOption() {
    static const QCommandLineOption trace(
        "trace", "Write every byte sent and received, each pause, time-out and prompt to FILE.",
        "FILE");
    return trace;
}

bool RadioCommand::CheckOutputs(const QStringList& paths, const QString& consequence) {
    for (const QString& path : paths) {
        if (path.isEmpty())
            continue;
        if (const QString why = SafeFile::WhyNotWritable(path); !why.isEmpty()) {
            PrintError(QStringLiteral("Cannot write %1: %2; %3.")
                           .arg(MessageText::Path(path), why, consequence));
            return false;
        }
    }
    return true;
}

bool RadioCommand::SaveTrace(const QCommandLineParser& parser, const SessionLog& log) {
    if (!parser.isSet(TraceOption()))
        return true;
    if (const Result<void> written = SafeFile::Write(parser.value(TraceOption()), log.Text());
        !written) {
        PrintError(written.error());
        return false;
    }
    return true;
}

int RadioCommand::PauseBetweenSessions() {
    SignalWatch watch;
    QEventLoop loop;
    QTimer::singleShot(RadioSession::kRetryPause, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    QObject::connect(&watch, &SignalWatch::caught, &loop, &QEventLoop::quit);
    loop.exec();
    return watch.Caught() != 0 ? 128 + watch.Caught() : ExitCode::kOk;
}

bool RadioCommand::OpenPort(Workspace& ws, RadioPort& port, const QString& name, bool flush) {
    const Result<QString> opened =
        port.OpenFor(name, PortNames(SettingsReadPath(ws.ctx.all())), flush);
    if (opened)
        return true;
    // One line: the message of the language in use, then what failed on which port.
    PrintError(ws.ctx.texts().LPortError + ' ' + opened.error());
    return false;
}

QString RadioCommand::TroubleOf(const RadioSession& session, const QString& port,
                                const Workspace& ws) {
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

int RadioCommand::RunSession(Workspace& ws, RadioSession& session, RadioPort& port,
                             const QString& name, bool flush, SessionLog* log, bool keepOpen) {
    SessionDriver driver(session, port, ws.prompter, ws.ctx.texts());
    driver.SetLog(log);
    bool portFailed = false;
    // After a lost line (an unplugged cable) a restart opens the port again.
    driver.SetReopen([&] {
        portFailed = !OpenPort(ws, port, name, flush);
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
    if (!keepOpen || watch.Caught() != 0)
        port.close(); // the line settings the port had before come back
    if (watch.Caught() != 0)
        return 128 + watch.Caught(); // as the shell reports a program a signal stopped
    if (outcome == SessionOutcome::Completed)
        return ExitCode::kOk;
    return portFailed ? ExitCode::kPortFailed : ExitCode::kSessionFailed;
}

bool RadioCommand::RequirePort(const QCommandLineParser& parser) const {
    if (parser.isSet(PortOption()))
        return true;
    PrintError(QStringLiteral("qx7-cli %1: --port PORT is required (a COM name such as COM1, or "
                              "a device path).")
                   .arg(name()));
    return false;
}
