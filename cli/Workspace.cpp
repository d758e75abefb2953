#include "Workspace.h"

#include "CliCommand.h"
#include "ExitCode.h"
#include "app/MessageText.h"
#include "model/Selection.h"

Workspace::Workspace(const CliEnvironment& env, bool answerYes)
    : ctx(env.appDir), prompter(answerYes) {
    ctx.all().LanguageName = env.language;
    ctx.texts().LoadMessageTexts(ctx.all().AppDir, env.language);
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
                       .arg(command, MessageText::Quoted(code)));
        return ExitCode::kUsage;
    }
    ::SelectModel(ctx.all(), *m);
    SelectBand(ctx.all(), m->DefaultBand);
    store.ResetRows(ctx.all().ChannelCount);
    return ExitCode::kOk;
}
