#include "CliCommand.h"
#include "ExitCode.h"
#include "FileCommands.h"
#include "RadioCommands.h"
#include "app/AppContext.h"

#include <QCoreApplication>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<CliCommand>> allCommands() {
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<NewCommand>());
    commands.push_back(std::make_unique<InfoCommand>());
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<ImportCommand>());
    commands.push_back(std::make_unique<ModelsCommand>());
    commands.push_back(std::make_unique<PortsCommand>());
    commands.push_back(std::make_unique<ReadCommand>());
    commands.push_back(std::make_unique<WriteCommand>());
    return commands;
}

QString usage(const std::vector<std::unique_ptr<CliCommand>>& commands) {
    QString text = QStringLiteral("qx7-cli %1: QX7 codeplug tool\n\nUsage: qx7-cli [--home DIR] "
                                  "COMMAND ARGS\n\nCommands:\n")
                       .arg(QLatin1String(QX7_VERSION));
    for (const auto& c : commands)
        text +=
            QStringLiteral("  %1 %2\n      %3\n").arg(c->name(), c->synopsis(), c->description());
    text += "\nExit status: 0 success, 1 wrong usage, 2 a file or its content is not acceptable,\n"
            "3 a radio session failed, 4 the port cannot be opened.\n"
            "--home DIR (or QX7_HOME) names the folder of SysInfo.Ini and the language files.\n";
    return text;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString home;
    if (args.size() >= 2 && args[0] == "--home") {
        home = args[1];
        args = args.mid(2);
    }
    const auto commands = allCommands();
    if (args.isEmpty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        PrintOut(usage(commands));
        return args.isEmpty() ? ExitCode::kUsage : ExitCode::kOk;
    }
    if (args[0] == "--version") {
        PrintOut(QStringLiteral("qx7-cli %1\n").arg(QLatin1String(QX7_VERSION)));
        return ExitCode::kOk;
    }
    for (const auto& c : commands)
        if (c->name() == args[0])
            return c->run(args.mid(1), ResolveAppDir(home));
    PrintError(QStringLiteral("qx7-cli: unknown command \"%1\"; run qx7-cli help.").arg(args[0]));
    return ExitCode::kUsage;
}
