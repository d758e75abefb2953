#pragma once

#include "app/Result.h"

#include <QString>
#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;

/** What every command is given besides its arguments. */
struct CliEnvironment {
    /** The application directory: SysInfo.Ini and the language files. */
    QString appDir;
    /** The language of the messages, as a language file names it ("English"). */
    QString language;
};

/** One subcommand of qx7-cli. */
class CliCommand {
  public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    /** One line: the arguments, as the usage text shows them. */
    virtual QString synopsis() const = 0;
    virtual QString description() const = 0;
    /** Runs with the arguments after the subcommand's name; returns the exit status. */
    virtual int run(const QStringList& args, const CliEnvironment& env) = 0;
};

/** Prints a sentence to standard error. */
void PrintError(const QString& sentence);
/** Prints text to standard output as it stands; a failure is kept for FinishOutput. */
void PrintOut(const QString& text);
/**
 * Flushes standard output and says whether everything printed reached it;
 * a failure names standard output and the system's reason.
 */
Result<void> FinishOutput();
/** -o FILE: where a command writes. */
const QCommandLineOption& OutputOption();
/** "json" or "csv" for a format given in any case; anything else is reported and gives "". */
QString KnownFormat(const QString& command, const QString& given);
/** Parses args for a command; on a usage error prints it and returns false. */
bool ParseArgs(QCommandLineParser& parser, const CliCommand& command, const QStringList& args,
               int positional);
