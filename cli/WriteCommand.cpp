#include "WriteCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/CodeplugDiff.h"
#include "app/MessageText.h"
#include "image/DataFile.h"
#include "image/Record.h"
#include "port/RadioPort.h"
#include "port/SessionLog.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>

int WriteCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption force("force", "Answer Yes when the radio is of another model.");
    const QCommandLineOption backupOption(
        "backup", "Read the radio first and keep its codeplug in FILE; write only once it is kept.",
        "FILE");
    const QCommandLineOption verifyOption(
        "verify", "Read the radio back after writing and compare it with the file.");
    parser.addOptions({PortOption(), force, backupOption, verifyOption, TraceOption()});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    if (!RequirePort(parser))
        return ExitCode::kUsage;
    const QString backupFile = parser.value(backupOption);
    if (!CheckOutputs({backupFile, parser.value(TraceOption())},
                      QStringLiteral("the radio was not touched")))
        return ExitCode::kBadFile;
    Workspace ws(env, parser.isSet(force));
    const QString file = parser.positionalArguments().first();
    if (const int status = Open(ws, file); status != ExitCode::kOk)
        return status;
    Codeplug expected;
    try {
        expected = CodeplugDiff::AsReadBack(ws.doc.Capture(), ws.ctx.bands(), ws.ctx.models());
    } catch (const CodecError& e) {
        PrintError(QStringLiteral("%1: %2; nothing was written.")
                       .arg(MessageText::Path(file), e.message()));
        return ExitCode::kBadFile;
    }

    RadioPort port;
    SessionLog log;
    const QString name = parser.value(PortOption());
    Steps steps{ws, port, name, MessageText::Quoted(name), file, log};
    int status = ExitCode::kOk;
    if (!backupFile.isEmpty()) {
        status = backup(steps, backupFile);
        if (status == ExitCode::kOk)
            status = PauseBetweenSessions();
    }
    if (status == ExitCode::kOk)
        status = write(steps);
    if (status == ExitCode::kOk && parser.isSet(verifyOption)) {
        status = PauseBetweenSessions();
        if (status == ExitCode::kOk)
            status = verify(steps, expected);
    }
    port.close(); // the line settings the port had before come back
    if (!SaveTrace(parser, log) && status == ExitCode::kOk)
        status = ExitCode::kBadFile;
    return status;
}

int WriteCommand::backup(Steps& s, const QString& backupFile) {
    if (!OpenPort(s.ws, s.port, s.name, true))
        return ExitCode::kPortFailed;
    RadioSession session(s.ws.ctx.models(), s.ws.ctx.bands());
    s.log.Begin(QStringLiteral("read session on %1: the backup").arg(s.shown));
    // The port stays open for the write, which follows after a pause.
    const int status = RunSession(s.ws, session, s.port, s.name, true, &s.log, true);
    if (status != ExitCode::kOk) {
        if (status != ExitCode::kPortFailed)
            PrintError(QStringLiteral("qx7-cli write: the backup failed: %1; nothing was written.")
                           .arg(TroubleOf(session, s.shown, s.ws)));
        return status;
    }
    // The radio's codeplug is saved whole before anything is written to it.
    if (const Result<void> saved =
            DataFile::Write(backupFile, *session.ReadResult(), s.ws.ctx.bands());
        !saved) {
        PrintError(saved.error() + QStringLiteral(" Nothing was written."));
        return ExitCode::kBadFile;
    }
    s.log.Note(
        QStringLiteral("the radio's codeplug is kept in %1").arg(MessageText::Path(backupFile)));
    PrintError(QStringLiteral("qx7-cli write: the radio's codeplug is kept in %1.")
                   .arg(MessageText::Path(backupFile)));
    return ExitCode::kOk;
}

int WriteCommand::write(Steps& s) {
    std::vector<std::pair<MapEntry, Record>> records = s.ws.doc.RadioRecords();
    // Opened here unless the backup left it open (a lost line closes it).
    if (!s.port.isOpen() && !OpenPort(s.ws, s.port, s.name, false))
        return ExitCode::kPortFailed;
    RadioSession session(s.ws.ctx.models(), *s.ws.ctx.all().CurrentModel, std::move(records));
    s.log.Begin(QStringLiteral("write session on %1").arg(s.shown));
    const int status = RunSession(s.ws, session, s.port, s.name, false, &s.log, true);
    if (status != ExitCode::kOk && status != ExitCode::kPortFailed) {
        // Blocks went out once the transfer began: the radio may hold some of them.
        const bool begun = session.LastTrouble().stage >= RadioSession::Stage::Transfer;
        PrintError(QStringLiteral("qx7-cli write: %1; %2.")
                       .arg(TroubleOf(session, s.shown, s.ws),
                            begun ? QStringLiteral("the radio may hold part of the new codeplug")
                                  : QStringLiteral("nothing was written")));
    }
    return status;
}

int WriteCommand::verify(Steps& s, const Codeplug& expected) {
    const auto notVerified = [&](const QString& why) {
        PrintError(QStringLiteral("qx7-cli write: the write may have succeeded, but it could not "
                                  "be verified: %1.")
                       .arg(why));
    };
    if (!s.port.isOpen() && !OpenPort(s.ws, s.port, s.name, true)) {
        notVerified(QStringLiteral("the port cannot be opened again"));
        return ExitCode::kPortFailed;
    }
    RadioSession session(s.ws.ctx.models(), s.ws.ctx.bands());
    s.log.Begin(QStringLiteral("read session on %1: the verify").arg(s.shown));
    const int status = RunSession(s.ws, session, s.port, s.name, true, &s.log);
    if (status != ExitCode::kOk) {
        notVerified(TroubleOf(session, s.shown, s.ws));
        return status;
    }
    const auto differences =
        CodeplugDiff::Compare(expected, *session.ReadResult(), FieldNames::English());
    if (differences.empty()) {
        PrintError(QStringLiteral("qx7-cli write: the radio on %1 was written and verified.")
                       .arg(s.shown));
        return ExitCode::kOk;
    }
    QString text = QStringLiteral("qx7-cli write: the radio on %1 holds something else than %2 "
                                  "after the write (%3 -> the radio); write it again:")
                       .arg(s.shown, MessageText::Path(s.file), MessageText::Path(s.file));
    for (const CodeplugDiff::Difference& d : differences)
        text += QStringLiteral("\n  ") + d.Text();
    PrintError(text);
    s.log.Note(QStringLiteral("the verify found %1 difference(s)").arg(differences.size()));
    return ExitCode::kSessionFailed;
}
