#pragma once

#include "RadioCommand.h"

#include "image/Codeplug.h"

class RadioPort;
class SessionLog;
class Workspace;

/**
 * qx7-cli write: writes a data file's codeplug to a radio; with --backup the
 * radio is read first and its codeplug kept, with --verify it is read back
 * afterwards and compared with what was written.
 */
class WriteCommand : public RadioCommand {
  public:
    QString name() const override { return "write"; }
    QString synopsis() const override {
        return "--port PORT FILE.dat [--force] [--backup B.dat] [--verify] [--trace LOG]";
    }
    QString description() const override {
        return "write a data file to a radio; --force writes to a radio of another model, "
               "--backup keeps the radio's codeplug first, --verify reads it back and compares";
    }
    int run(const QStringList& args, const CliEnvironment& env) override;

  private:
    /** The session steps of one write, on one port, logging to one log. */
    struct Steps {
        Workspace& ws;
        RadioPort& port;
        QString name;  // the port as given
        QString shown; // the port as messages quote it
        QString file;  // the data file written
        SessionLog& log;
    };
    static int backup(Steps& s, const QString& backupFile);
    static int write(Steps& s);
    static int verify(Steps& s, const Codeplug& expected);
};
