#include "PortsCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/Settings.h"
#include "port/PortNames.h"

#include <QCommandLineParser>

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
