#include "ReadCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "app/SafeFile.h"
#include "port/RadioPort.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>

int ReadCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    parser.addOptions({PortOption(), OutputOption()});
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
    if (const QString why = SafeFile::WhyNotWritable(out); !why.isEmpty()) {
        PrintError(QStringLiteral("Cannot write %1: %2; the radio was not read.")
                       .arg(MessageText::Path(out), why));
        return ExitCode::kBadFile;
    }
    Workspace ws(env);
    RadioPort port;
    const QString name = parser.value(PortOption());
    if (!OpenPort(ws, port, name, true))
        return ExitCode::kPortFailed;
    RadioSession session(ws.ctx.models(), ws.ctx.bands());
    const int status = RunSession(ws, session, port, name, true);
    if (status != ExitCode::kOk) {
        if (status != ExitCode::kPortFailed)
            PrintError(QStringLiteral("qx7-cli read: %1; %2 was not written.")
                           .arg(TroubleOf(session, MessageText::Quoted(name), ws),
                                MessageText::Path(out)));
        return status;
    }
    ws.doc.ApplyRead(*session.ReadResult());
    return ws.SaveTo(out) ? ExitCode::kOk : ExitCode::kBadFile;
}
