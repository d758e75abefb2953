#include "ExportCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/SafeFile.h"
#include "image/CodeplugCsv.h"
#include "image/CodeplugJson.h"

#include <QCommandLineParser>

int ExportCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption format("format", "Output format (json or csv).", "FORMAT", "json");
    parser.addOptions({OutputOption(), format});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    const QString kind = KnownFormat(name(), parser.value(format));
    if (kind.isEmpty())
        return ExitCode::kUsage;
    Workspace ws(env);
    DataFile::Contents d;
    if (const int status = Read(ws, parser.positionalArguments().first(), &d);
        status != ExitCode::kOk)
        return status;
    const QByteArray text =
        kind == "csv" ? CodeplugCsv::Write(d.codeplug.channels) : CodeplugJson::Write(d.codeplug);
    if (!parser.isSet(OutputOption())) {
        PrintOut(QString::fromUtf8(text));
        return ExitCode::kOk;
    }
    if (const Result<void> written = SafeFile::Write(parser.value(OutputOption()), text);
        !written) {
        PrintError(written.error());
        return ExitCode::kBadFile;
    }
    return ExitCode::kOk;
}
