#pragma once

#include "CliCommand.h"

/** qx7-cli ports: the port names with the device behind each. */
class PortsCommand : public CliCommand {
  public:
    QString name() const override { return "ports"; }
    QString synopsis() const override { return ""; }
    QString description() const override { return "list the serial ports that can be opened"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};

/** qx7-cli read: reads a radio and saves its codeplug. */
class ReadCommand : public CliCommand {
  public:
    QString name() const override { return "read"; }
    QString synopsis() const override { return "--port PORT -o FILE.dat"; }
    QString description() const override { return "read a radio into a data file"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};

/** qx7-cli write: writes a data file's codeplug to a radio. */
class WriteCommand : public CliCommand {
  public:
    QString name() const override { return "write"; }
    QString synopsis() const override { return "--port PORT FILE.dat [--force]"; }
    QString description() const override {
        return "write a data file to a radio; --force writes to a radio of another model";
    }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
