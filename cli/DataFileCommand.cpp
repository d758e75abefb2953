#include "DataFileCommand.h"

#include "ExitCode.h"
#include "Workspace.h"

int DataFileCommand::Read(const Workspace& ws, const QString& path, DataFile::Contents* contents) {
    Result<DataFile::Contents> read = DataFile::Read(path, ws.ctx.models(), ws.ctx.bands());
    if (!read) {
        PrintError(read.error());
        return ExitCode::kBadFile;
    }
    *contents = std::move(read.value());
    return ExitCode::kOk;
}

int DataFileCommand::Open(Workspace& ws, const QString& path) {
    // The document reports a refused file through the prompter, on standard error.
    return ws.doc.OpenDataFile(path) ? ExitCode::kOk : ExitCode::kBadFile;
}
