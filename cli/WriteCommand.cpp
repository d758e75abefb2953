#include "WriteCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "image/Record.h"
#include "port/RadioPort.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>

int WriteCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption force("force", "Answer Yes when the radio is of another model.");
    parser.addOptions({PortOption(), force});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    if (!RequirePort(parser))
        return ExitCode::kUsage;
    Workspace ws(env, parser.isSet(force));
    const QString file = parser.positionalArguments().first();
    if (const int status = Open(ws, file); status != ExitCode::kOk)
        return status;
    std::vector<std::pair<MapEntry, Record>> records;
    try {
        records = ws.doc.RadioRecords();
    } catch (const CodecError& e) {
        PrintError(QStringLiteral("%1: %2; nothing was written.")
                       .arg(MessageText::Path(file), e.message()));
        return ExitCode::kBadFile;
    }
    RadioPort port;
    const QString name = parser.value(PortOption());
    if (!OpenPort(ws, port, name, false))
        return ExitCode::kPortFailed;
    RadioSession session(ws.ctx.models(), *ws.ctx.all().CurrentModel, std::move(records));
    const int status = RunSession(ws, session, port, name, false);
    if (status != ExitCode::kOk && status != ExitCode::kPortFailed) {
        // Blocks went out once the transfer began: the radio may hold some of them.
        const bool begun = session.LastTrouble().stage >= RadioSession::Stage::Transfer;
        PrintError(QStringLiteral("qx7-cli write: %1; %2.")
                       .arg(TroubleOf(session, MessageText::Quoted(name), ws),
                            begun ? QStringLiteral("the radio may hold part of the new codeplug")
                                  : QStringLiteral("nothing was written")));
    }
    return status;
}
