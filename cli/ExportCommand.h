#pragma once

#include "DataFileCommand.h"

/** qx7-cli export: a data file's codeplug as JSON, or its channels as CSV. */
class ExportCommand : public DataFileCommand {
  public:
    QString name() const override { return "export"; }
    QString synopsis() const override { return "FILE.dat [--format json|csv] [-o OUT]"; }
    QString description() const override {
        return "write a data file's codeplug as JSON, or its channels as CSV";
    }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
