#include "InfoCommand.h"

#include "ExitCode.h"
#include "Workspace.h"

#include <QCommandLineParser>

int InfoCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    const QString path = parser.positionalArguments().first();
    Workspace ws(env);
    DataFile::Contents d;
    if (const int status = Read(ws, path, &d); status != ExitCode::kOk)
        return status;
    int inUse = 0;
    for (const auto& c : d.codeplug.channels)
        inUse += c ? 1 : 0;
    PrintOut(QStringLiteral("file: %1\nmodel: %2 %3\nband: %4\nsaved: %5\nchannels in use: %6 "
                            "of %7\n")
                 .arg(path, d.codeplug.model->Code, d.codeplug.model->Name,
                      d.codeplug.bandText.trimmed(), d.header.date)
                 .arg(inUse)
                 .arg(d.codeplug.channels.size()));
    return ExitCode::kOk;
}
