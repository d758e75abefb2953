#include "Workspace.h"

#include "CliCommand.h"
#include "ExitCode.h"
#include "model/Selection.h"

Workspace::Workspace(const QString& appDir, bool answerYes) : ctx(appDir), prompter(answerYes) {
    ctx.SelectFirstModel();
    store.ResetRows(ctx.all().ChannelCount);
    ctx.all().Changed = false;
}

bool Workspace::SaveTo(const QString& path) {
    doc.SetFileName(path);
    return doc.SaveDataFile();
}

int Workspace::SelectModel(const QString& code, const QString& command) {
    const TMacType* m = ctx.models().FindByCode(code);
    if (!m) {
        PrintError(QStringLiteral("%1: there is no model \"%2\"; the catalogue has 8524 (UHF) "
                                  "and 7524 (VHF).")
                       .arg(command, code));
        return ExitCode::kUsage;
    }
    ::SelectModel(ctx.all(), *m);
    SelectBand(ctx.all(), m->DefaultBand);
    store.ResetRows(ctx.all().ChannelCount);
    return ExitCode::kOk;
}
