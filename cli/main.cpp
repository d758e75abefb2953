#include "CliCommand.h"
#include "DiffCommand.h"
#include "ExitCode.h"
#include "ExportCommand.h"
#include "ImportCommand.h"
#include "InfoCommand.h"
#include "ModelsCommand.h"
#include "NewCommand.h"
#include "PortsCommand.h"
#include "ReadCommand.h"
#include "WriteCommand.h"
#include "app/AppContext.h"
#include "app/MessageText.h"
#include "app/TLanguage.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<CliCommand>> allCommands() {
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<NewCommand>());
    commands.push_back(std::make_unique<InfoCommand>());
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    commands.push_back(std::make_unique<ImportCommand>());
    commands.push_back(std::make_unique<ModelsCommand>());
    commands.push_back(std::make_unique<PortsCommand>());
    commands.push_back(std::make_unique<ReadCommand>());
    commands.push_back(std::make_unique<WriteCommand>());
    return commands;
}

QString usage(const std::vector<std::unique_ptr<CliCommand>>& commands) {
    QString text = QStringLiteral("qx7-cli %1: QX7 codeplug tool\n\nUsage: qx7-cli [--home DIR] "
                                  "[--language NAME] COMMAND ARGS\n\nCommands:\n")
                       .arg(QLatin1String(QX7_VERSION));
    for (const auto& c : commands)
        text +=
            QStringLiteral("  %1 %2\n      %3\n").arg(c->name(), c->synopsis(), c->description());
    text += "\nExit status: 0 success, 1 wrong usage, 2 a file or its content is not acceptable\n"
            "(or standard output cannot be written), 3 a radio session failed, 4 the port cannot\n"
            "be opened, 5 diff found differences, 128 + N a signal N (130 for Ctrl+C) stopped a\n"
            "session.\n"
            "--home DIR (or QX7_HOME) names the folder of SysInfo.Ini and the language files;\n"
            "--language NAME the language of the messages (by default the locale's: Chinese for\n"
            "a Chinese locale, else English).\n";
    return text;
}

/** The language of the messages: --language NAME, else the locale's (Chinese or English). */
QString chooseLanguage(const QString& given) {
    if (!given.isEmpty())
        return given;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QString locale = qEnvironmentVariable(variable); !locale.isEmpty())
            return TLanguage::LanguageOfLocale(locale);
    return TLanguage::LanguageOfLocale(QString());
}

int runCommand(const QStringList& arguments) {
    QStringList args = arguments;
    QString home;
    QString language;
    // The options before the command: --home DIR and --language NAME, in any order.
    while (args.size() >= 2 && (args[0] == "--home" || args[0] == "--language")) {
        (args[0] == "--home" ? home : language) = args[1];
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
    const CliEnvironment env{ResolveAppDir(home), chooseLanguage(language)};
    if (!language.isEmpty() && !QFileInfo::exists(env.appDir + language + ".Ini")) {
        PrintError(QStringLiteral("qx7-cli: there is no language file %1 in %2; give the name of "
                                  "one there, such as English or Chinese.")
                       .arg(MessageText::Quoted(language + ".Ini"), MessageText::Path(env.appDir)));
        return ExitCode::kUsage;
    }
    for (const auto& c : commands)
        if (c->name() == args[0])
            return c->run(args.mid(1), env);
    PrintError(QStringLiteral("qx7-cli: unknown command \"%1\"; run qx7-cli help.")
                   .arg(MessageText::Quoted(args[0])));
    return ExitCode::kUsage;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int status = runCommand(app.arguments().mid(1));
    // Whatever a command printed must have reached standard output: a full
    // disk or a closed file behind it is a failure, not a success.
    if (const Result<void> finished = FinishOutput(); !finished) {
        PrintError(finished.error());
        if (status == ExitCode::kOk)
            status = ExitCode::kBadFile;
    }
    return status;
}
