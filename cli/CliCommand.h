#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

/** One subcommand of qx7-cli. */
class CliCommand {
  public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    /** One line: the arguments, as the usage text shows them. */
    virtual QString synopsis() const = 0;
    virtual QString description() const = 0;
    /** Runs with the arguments after the subcommand's name; returns the exit status. */
    virtual int run(const QStringList& args, const QString& appDir) = 0;
};

/** Prints a sentence to standard error. */
void PrintError(const QString& sentence);
/** Prints text to standard output as it stands. */
void PrintOut(const QString& text);
/** Parses args for a command; on a usage error prints it and returns false. */
bool ParseArgs(QCommandLineParser& parser, const CliCommand& command, const QStringList& args,
               int positional);
