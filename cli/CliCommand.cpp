#include "CliCommand.h"

#include <QCommandLineParser>

#include <cstdio>

void PrintError(const QString& sentence) {
    std::fputs(sentence.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

void PrintOut(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

bool ParseArgs(QCommandLineParser& parser, const CliCommand& command, const QStringList& args,
               int positional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{"qx7-cli " + command.name()} + args)) {
        PrintError(QStringLiteral("qx7-cli %1: %2. Usage: qx7-cli %1 %3")
                       .arg(command.name(), parser.errorText(), command.synopsis()));
        return false;
    }
    if (parser.positionalArguments().size() != positional) {
        PrintError(QStringLiteral("qx7-cli %1: expected %2 file argument%3. Usage: qx7-cli %1 %4")
                       .arg(command.name())
                       .arg(positional)
                       .arg(positional == 1 ? "" : "s")
                       .arg(command.synopsis()));
        return false;
    }
    return true;
}
