#include "NewCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/MessageText.h"
#include "model/Selection.h"

#include <QCommandLineParser>

int NewCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    const QCommandLineOption model("model", "Model code.", "CODE");
    const QCommandLineOption band("band", "Band text.", "TEXT");
    parser.addOptions({OutputOption(), model, band});
    if (!ParseArgs(parser, *this, args, 0))
        return ExitCode::kUsage;
    if (!parser.isSet(OutputOption())) {
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
    return ws.SaveTo(parser.value(OutputOption())) ? ExitCode::kOk : ExitCode::kBadFile;
}
