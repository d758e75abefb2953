#include "DataFileCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "app/SafeFile.h"
#include "image/CodeplugJson.h"

int DataFileCommand::Read(const Workspace& ws, const QString& path, DataFile::Contents* contents) {
    Result<DataFile::Contents> read = DataFile::Read(path, ws.ctx.models(), ws.ctx.bands());
    if (!read) {
        PrintError(read.error());
        return ExitCode::kBadFile;
    }
    *contents = std::move(read.value());
    return ExitCode::kOk;
}

int DataFileCommand::ReadJson(const Workspace& ws, const QString& path, const QString& consequence,
                              Codeplug* codeplug) {
    const Result<QByteArray> input = SafeFile::Read(path, SafeFile::kTextLimit);
    if (!input) {
        PrintError(input.error());
        return ExitCode::kBadFile;
    }
    const Result<CodeplugJson::Parsed> parsed =
        CodeplugJson::Read(*input, ws.ctx.models(), ws.ctx.bands());
    if (!parsed) {
        PrintError(QStringLiteral("%1: %2; %3.")
                       .arg(MessageText::Path(path), parsed.error(), consequence));
        return ExitCode::kBadFile;
    }
    for (const QString& warning : parsed->warnings)
        PrintError(QStringLiteral("%1: warning: %2.").arg(MessageText::Path(path), warning));
    *codeplug = parsed->codeplug;
    return ExitCode::kOk;
}

namespace {

/** A JSON codeplug by its name, or by its first character other than white space. */
bool looksLikeJson(const QString& path) {
    if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return true;
    const Result<QByteArray> start = SafeFile::Read(path, 64, true);
    return start && start->trimmed().startsWith('{');
}

} // namespace

int DataFileCommand::ReadCodeplug(const Workspace& ws, const QString& path, Codeplug* codeplug) {
    if (looksLikeJson(path))
        return ReadJson(ws, path, QStringLiteral("it cannot be compared"), codeplug);
    DataFile::Contents contents;
    const int status = Read(ws, path, &contents);
    *codeplug = contents.codeplug;
    return status;
}

int DataFileCommand::Open(Workspace& ws, const QString& path) {
    // The document reports a refused file through the prompter, on standard error.
    return ws.doc.OpenDataFile(path) ? ExitCode::kOk : ExitCode::kBadFile;
}
