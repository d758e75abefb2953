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
