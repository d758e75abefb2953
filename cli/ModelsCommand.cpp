#include "ModelsCommand.h"

#include "ExitCode.h"
#include "Workspace.h"

#include <QCommandLineParser>

int ModelsCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    if (!ParseArgs(parser, *this, args, 0))
        return ExitCode::kUsage;
    Workspace ws(env);
    const TMacList& models = ws.ctx.models();
    for (int i = 0; i < models.Count(); ++i) {
        const TMacType* m = models.Item(i);
        PrintOut(QStringLiteral("%1  %2  %3 to %4 MHz  %5 channels\n    bands: %6 (default %7)\n")
                     .arg(m->Code, m->Name)
                     .arg(m->MinFreq)
                     .arg(m->MaxFreq)
                     .arg(m->ChannelCount)
                     .arg(m->Bands.join(", "), m->DefaultBand));
    }
    return ExitCode::kOk;
}
