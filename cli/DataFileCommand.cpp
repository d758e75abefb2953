#include "DataFileCommand.h"

#include "ExitCode.h"
#include "Workspace.h"

int DataFileCommand::Read(const Workspace& ws, const QString& path, DataFile::Decoded* decoded) {
    *decoded = DataFile::Read(path, ws.ctx.models(), ws.ctx.bands());
    if (decoded->failure == DataFile::Failure::None)
        return ExitCode::kOk;
    PrintError(decoded->error);
    return ExitCode::kBadFile;
}

int DataFileCommand::Open(Workspace& ws, const QString& path) {
    // The document reports a refused file through the prompter, on standard error.
    return ws.doc.OpenDataFile(path) ? ExitCode::kOk : ExitCode::kBadFile;
}
