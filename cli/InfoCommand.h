#pragma once

#include "DataFileCommand.h"

/** qx7-cli info: model, band, save time and channels in use of a data file. */
class InfoCommand : public DataFileCommand {
  public:
    QString name() const override { return "info"; }
    QString synopsis() const override { return "FILE.dat"; }
    QString description() const override { return "describe a data file"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
