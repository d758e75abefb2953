#pragma once

#include "RadioCommand.h"

/** qx7-cli read: reads a radio and saves its codeplug. */
class ReadCommand : public RadioCommand {
  public:
    QString name() const override { return "read"; }
    QString synopsis() const override { return "--port PORT -o FILE.dat"; }
    QString description() const override { return "read a radio into a data file"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
