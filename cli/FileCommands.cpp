#include "FileCommands.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "app/SafeFile.h"
#include "image/CodeplugCsv.h"
#include "image/CodeplugJson.h"
#include "image/DataFile.h"
#include "model/Selection.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption kOutput({"o", "output"}, "Write to FILE.", "FILE");

DataFile::Decoded readDataFile(const QString& path, const Workspace& ws) {
    return DataFile::Read(path, ws.ctx.models(), ws.ctx.bands());
}

// "json" or "csv"; anything else is reported for the command and gives an empty text.
QString knownFormat(const QString& command, const QString& given) {
    const QString kind = given.toLower();
    if (kind == "json" || kind == "csv")
        return kind;
    PrintError(QStringLiteral("qx7-cli %1: the format \"%2\" is not known; use json or csv.")
                   .arg(command, MessageText::Quoted(given)));
    return {};
}

} // namespace

int NewCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption model("model", "Model code.", "CODE");
    const QCommandLineOption band("band", "Band text.", "TEXT");
    parser.addOptions({kOutput, model, band});
    if (!ParseArgs(parser, *this, args, 0))
        return ExitCode::kUsage;
    if (!parser.isSet(kOutput)) {
        PrintError("qx7-cli new: -o FILE.dat is required.");
        return ExitCode::kUsage;
    }
    Workspace ws(env);
    TALL& all = ws.ctx.all();
    if (parser.isSet(model)) {
        const int status = ws.SelectModel(parser.value(model), "qx7-cli new");
        if (status != ExitCode::kOk)
            return status;
    }
    if (parser.isSet(band)) {
        if (!all.CurrentModel->Bands.contains(parser.value(band))) {
            PrintError(QStringLiteral("qx7-cli new: model %1 has no band \"%2\"; its bands are "
                                      "\"%3\".")
                           .arg(all.ModelCode, MessageText::Quoted(parser.value(band)),
                                all.CurrentModel->Bands.join("\", \"")));
            return ExitCode::kUsage;
        }
        SelectBand(all, parser.value(band));
    }
    return ws.SaveTo(parser.value(kOutput)) ? ExitCode::kOk : ExitCode::kBadFile;
}

int InfoCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    const QString path = parser.positionalArguments().first();
    Workspace ws(env);
    const DataFile::Decoded d = readDataFile(path, ws);
    if (d.failure != DataFile::Failure::None) {
        PrintError(d.error);
        return ExitCode::kBadFile;
    }
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

int ExportCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption format("format", "Output format (json or csv).", "FORMAT", "json");
    parser.addOptions({kOutput, format});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    const QString kind = knownFormat(name(), parser.value(format));
    if (kind.isEmpty())
        return ExitCode::kUsage;
    Workspace ws(env);
    const DataFile::Decoded d = readDataFile(parser.positionalArguments().first(), ws);
    if (d.failure != DataFile::Failure::None) {
        PrintError(d.error);
        return ExitCode::kBadFile;
    }
    const QByteArray text =
        kind == "csv" ? CodeplugCsv::Write(d.codeplug.channels) : CodeplugJson::Write(d.codeplug);
    if (!parser.isSet(kOutput)) {
        PrintOut(QString::fromUtf8(text));
        return ExitCode::kOk;
    }
    const QString error = SafeFile::Write(parser.value(kOutput), text);
    if (!error.isEmpty()) {
        PrintError(error);
        return ExitCode::kBadFile;
    }
    return ExitCode::kOk;
}

namespace {

// Puts a CSV channel list into the base codeplug of the workspace.
int importCsv(Workspace& ws, const QString& in, const QByteArray& text, bool skipInvalid) {
    const CodeplugCsv::Parsed parsed = CodeplugCsv::Read(text, *ws.ctx.all().CurrentModel);
    if (!parsed.error.isEmpty()) {
        PrintError(QStringLiteral("%1: %2; nothing was written.").arg(in, parsed.error));
        return ExitCode::kBadFile;
    }
    for (const CodeplugCsv::Problem& p : parsed.invalid)
        PrintError(QStringLiteral("%1: %2%3.")
                       .arg(in, skipInvalid ? QStringLiteral("skipped ") : QString(), p.text()));
    if (!parsed.invalid.isEmpty() && parsed.ChannelsGiven() == 0) {
        PrintError(QStringLiteral("%1: no line gives a channel; nothing was written.").arg(in));
        return ExitCode::kBadFile;
    }
    if (!parsed.invalid.isEmpty() && !skipInvalid) {
        PrintError(QStringLiteral("%1: %2 line(s) give no channel; nothing was written. Mend "
                                  "them, or give --skip-invalid to import the other lines.")
                       .arg(in)
                       .arg(parsed.invalid.size()));
        return ExitCode::kBadFile;
    }
    for (const QString& warning : parsed.warnings)
        PrintError(QStringLiteral("%1: warning: %2.").arg(in, warning));
    ws.doc.ReplaceChannels(parsed.channels);
    return ExitCode::kOk;
}

} // namespace

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
    parser.addOptions({kOutput, format, base, model, skipInvalid});
    if (!ParseArgs(parser, *this, args, 1))
        return ExitCode::kUsage;
    if (!parser.isSet(kOutput)) {
        PrintError("qx7-cli import: -o FILE.dat is required.");
        return ExitCode::kUsage;
    }
    const QString in = parser.positionalArguments().first();
    QString given = parser.value(format);
    if (given.isEmpty())
        given = in.endsWith(".csv", Qt::CaseInsensitive) ? "csv" : "json";
    const QString kind = knownFormat(name(), given);
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
    const SafeFile::Input input = SafeFile::Read(in, SafeFile::kTextLimit);
    if (!input.ok()) {
        PrintError(input.error);
        return ExitCode::kBadFile;
    }
    const QByteArray& text = input.bytes;
    if (kind == "csv") {
        if (parser.isSet(base)) {
            const DataFile::Decoded d = readDataFile(parser.value(base), ws);
            if (d.failure != DataFile::Failure::None) {
                PrintError(d.error);
                return ExitCode::kBadFile;
            }
            ws.doc.Apply(d.codeplug);
        }
        const int status = importCsv(ws, in, text, parser.isSet(skipInvalid));
        if (status != ExitCode::kOk)
            return status;
        return ws.SaveTo(parser.value(kOutput)) ? ExitCode::kOk : ExitCode::kBadFile;
    }
    const CodeplugJson::Parsed parsed = CodeplugJson::Read(text, ws.ctx.models(), ws.ctx.bands());
    if (!parsed.codeplug) {
        PrintError(QStringLiteral("%1: %2; nothing was written.").arg(in, parsed.error));
        return ExitCode::kBadFile;
    }
    for (const QString& warning : parsed.warnings)
        PrintError(QStringLiteral("%1: warning: %2.").arg(in, warning));
    ws.doc.Apply(*parsed.codeplug);
    return ws.SaveTo(parser.value(kOutput)) ? ExitCode::kOk : ExitCode::kBadFile;
}

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
