#include "Workspace.h"

Workspace::Workspace(const QString& appDir, bool answerYes) : ctx(appDir), prompter(answerYes) {
    ctx.SelectFirstModel();
    store.ResetRows(ctx.all().ChannelCount);
    ctx.all().Changed = false;
}

bool Workspace::SaveTo(const QString& path) {
    doc.SetFileName(path);
    return doc.SaveDataFile();
}
