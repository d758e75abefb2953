#pragma once

#include "DataFileCommand.h"

/**
 * qx7-cli import: a data file built from JSON of the export's schema, or from
 * a CSV channel list put into a base codeplug (a data file, or a new one of a
 * model).
 */
class ImportCommand : public DataFileCommand {
  public:
    QString name() const override { return "import"; }
    QString synopsis() const override {
        return "IN.json -o FILE.dat | IN.csv -o FILE.dat [--base FILE.dat | --model CODE] "
               "[--skip-invalid]";
    }
    QString description() const override {
        return "build a data file from JSON, or from a CSV channel list";
    }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
