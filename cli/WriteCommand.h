#pragma once

#include "RadioCommand.h"

/** qx7-cli write: writes a data file's codeplug to a radio. */
class WriteCommand : public RadioCommand {
  public:
    QString name() const override { return "write"; }
    QString synopsis() const override { return "--port PORT FILE.dat [--force]"; }
    QString description() const override {
        return "write a data file to a radio; --force writes to a radio of another model";
    }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
