#include "CliCommand.h"

#include "app/MessageText.h"

#include <QCommandLineParser>

#include <cerrno>
#include <cstdio>
#include <cstring>

void PrintError(const QString& sentence) {
    std::fputs(sentence.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

namespace {

/** The system's reason of the first failed write to standard output; 0 while none failed. */
int g_outputError = 0;

void noteOutput(bool written) {
    if (!written && g_outputError == 0)
        g_outputError = errno != 0 ? errno : EIO;
}

} // namespace

void PrintOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    noteOutput(std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) ==
               static_cast<size_t>(bytes.size()));
    errno = 0;
    noteOutput(std::fflush(stdout) == 0);
}

Result<void> FinishOutput() {
    errno = 0;
    noteOutput(std::fflush(stdout) == 0 && !std::ferror(stdout));
    errno = 0;
    noteOutput(std::fclose(stdout) == 0);
    if (g_outputError == 0)
        return Result<void>::Ok();
    return Result<void>::Failure(QStringLiteral("Cannot write to standard output: %1.")
                                     .arg(QString::fromLocal8Bit(std::strerror(g_outputError))));
}

const QCommandLineOption& OutputOption() {
    static const QCommandLineOption output({"o", "output"}, "Write to FILE.", "FILE");
    return output;
}

QString KnownFormat(const QString& command, const QString& given) {
    const QString kind = given.toLower();
    if (kind == "json" || kind == "csv")
        return kind;
    PrintError(QStringLiteral("qx7-cli %1: the format \"%2\" is not known; use json or csv.")
                   .arg(command, MessageText::Quoted(given)));
    return {};
}

bool ParseArgs(QCommandLineParser& parser, const CliCommand& command, const QStringList& args,
               int positional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{"qx7-cli " + command.name()} + args)) {
        QString why = parser.errorText();
        while (why.endsWith('.'))
            why.chop(1);
        PrintError(QStringLiteral("qx7-cli %1: %2. Usage: qx7-cli %1 %3")
                       .arg(command.name(), MessageText::Quoted(why, 200), command.synopsis()));
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
