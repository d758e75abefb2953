#include "ImportCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/MessageText.h"

#include <QCommandLineParser>

int ImportCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption format("format",
                                    "Input format (json or csv; by default the "
                                    "file name's suffix).",
                                    "FORMAT");
    const QCommandLineOption base("base",
                                  "CSV: the data file whose model, band, settings and "
                                  "message the channels join.",
                                  "FILE");
    const QCommandLineOption model("model", "CSV: a new codeplug of this model.", "CODE");
    const QCommandLineOption skipInvalid("skip-invalid", "CSV: import the valid lines only.");
    parser.addOptions({OutputOption(), format, base, model, skipInvalid});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    if (!parser.isSet(OutputOption())) {
        PrintError("qx7-cli import: -o FILE.dat is required.");
        return ExitCode::kUsage;
    }
    const QString in = parser.positionalArguments().first();
    QString given = parser.value(format);
    if (given.isEmpty())
        given = in.endsWith(".csv", Qt::CaseInsensitive) ? "csv" : "json";
    const QString kind = KnownFormat(name(), given);
    if (kind.isEmpty())
        return ExitCode::kUsage;
    if (kind == "json" &&
        (parser.isSet(base) || parser.isSet(model) || parser.isSet(skipInvalid))) {
        PrintError("qx7-cli import: --base, --model and --skip-invalid belong to CSV import.");
        return ExitCode::kUsage;
    }
    if (parser.isSet(base) && parser.isSet(model)) {
        PrintError("qx7-cli import: give --base or --model, not both.");
        return ExitCode::kUsage;
    }
    Workspace ws(env);
    if (parser.isSet(model)) {
        const int status = ws.SelectModel(parser.value(model), "qx7-cli import");
        if (status != ExitCode::kOk)
            return status;
    }
    if (kind == "csv") {
        if (parser.isSet(base)) {
            DataFile::Contents d;
            if (const int status = Read(ws, parser.value(base), &d); status != ExitCode::kOk)
                return status;
            ws.doc.Apply(d.codeplug);
        }
        // The rules of every CSV import, the window program's as well.
        const auto policy = parser.isSet(skipInvalid) ? CodeplugDocument::InvalidLines::Skip
                                                      : CodeplugDocument::InvalidLines::Refuse;
        const CodeplugDocument::CsvImport imported = ws.doc.ImportCsvFile(in, policy);
        if (!imported.imported) {
            if (imported.invalid > 0 && !parser.isSet(skipInvalid))
                PrintError(QStringLiteral("Mend them, or give --skip-invalid to import the other "
                                          "lines; nothing was written."));
            return ExitCode::kBadFile;
        }
        for (const QString& warning : imported.warnings)
            PrintError(QStringLiteral("%1: warning: %2.").arg(MessageText::Path(in), warning));
        return ws.SaveTo(parser.value(OutputOption())) ? ExitCode::kOk : ExitCode::kBadFile;
    }
    Codeplug codeplug;
    if (const int status = ReadJson(ws, in, QStringLiteral("nothing was written"), &codeplug);
        status != ExitCode::kOk)
        return status;
    ws.doc.Apply(codeplug);
    return ws.SaveTo(parser.value(OutputOption())) ? ExitCode::kOk : ExitCode::kBadFile;
}
