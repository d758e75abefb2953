#include "ReadCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "port/RadioPort.h"
#include "port/SessionLog.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>

int ReadCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    parser.addOptions({PortOption(), OutputOption(), TraceOption()});
    if (!ParseArgs(parser, *this, args, 0))
        return ExitCode::kUsage;
    if (!RequirePort(parser))
        return ExitCode::kUsage;
    if (!parser.isSet(OutputOption())) {
        PrintError("qx7-cli read: -o FILE.dat is required.");
        return ExitCode::kUsage;
    }
    // A file that cannot be written is known before the radio is woken.
    const QString out = parser.value(OutputOption());
    if (!CheckOutputs({out, parser.value(TraceOption())}, QStringLiteral("the radio was not read")))
        return ExitCode::kBadFile;
    Workspace ws(env);
    RadioPort port;
    const QString name = parser.value(PortOption());
    if (!OpenPort(ws, port, name, true))
        return ExitCode::kPortFailed;
    RadioSession session(ws.ctx.models(), ws.ctx.bands());
    SessionLog log;
    log.Begin(QStringLiteral("read session on %1").arg(MessageText::Quoted(name)));
    int status = RunSession(ws, session, port, name, true, &log);
    if (status != ExitCode::kOk) {
        if (status != ExitCode::kPortFailed)
            PrintError(QStringLiteral("qx7-cli read: %1; %2 was not written.")
                           .arg(TroubleOf(session, MessageText::Quoted(name), ws),
                                MessageText::Path(out)));
    } else {
        ws.doc.ApplyRead(*session.ReadResult());
        status = ws.SaveTo(out) ? ExitCode::kOk : ExitCode::kBadFile;
    }
    if (!SaveTrace(parser, log) && status == ExitCode::kOk)
        status = ExitCode::kBadFile;
    return status;
}
