#include "DiffCommand.h"

#include "ExitCode.h"
#include "Workspace.h"
#include "app/CodeplugDiff.h"

#include <QCommandLineParser>

int DiffCommand::run(const QStringList& args, const CliEnvironment& env) {
    QCommandLineParser parser;
    if (!ParseArgs(parser, *this, args, 2))
        return ExitCode::kUsage;
    const Workspace ws(env);
    Codeplug a;
    Codeplug b;
    for (auto [path, codeplug] : {std::pair{parser.positionalArguments()[0], &a},
                                  std::pair{parser.positionalArguments()[1], &b}})
        if (const int status = ReadCodeplug(ws, path, codeplug); status != ExitCode::kOk)
            return status;
    const auto differences = CodeplugDiff::Compare(a, b, FieldNames::English());
    if (differences.empty()) {
        PrintOut(QStringLiteral("same\n"));
        return ExitCode::kOk;
    }
    QString text;
    for (const CodeplugDiff::Difference& d : differences)
        text += d.Text() + '\n';
    PrintOut(text);
    return ExitCode::kDiffer;
}
