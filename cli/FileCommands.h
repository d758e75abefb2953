#pragma once

#include "CliCommand.h"

/** qx7-cli new: the codeplug that start-up and New produce, saved. */
class NewCommand : public CliCommand {
  public:
    QString name() const override { return "new"; }
    QString synopsis() const override { return "-o FILE.dat [--model CODE] [--band TEXT]"; }
    QString description() const override { return "save an empty codeplug"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};

/** qx7-cli info: model, band, save time and channels in use of a data file. */
class InfoCommand : public CliCommand {
  public:
    QString name() const override { return "info"; }
    QString synopsis() const override { return "FILE.dat"; }
    QString description() const override { return "describe a data file"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};

/** qx7-cli export: a data file's codeplug as JSON, or its channels as CSV. */
class ExportCommand : public CliCommand {
  public:
    QString name() const override { return "export"; }
    QString synopsis() const override { return "FILE.dat [--format json|csv] [-o OUT]"; }
    QString description() const override {
        return "write a data file's codeplug as JSON, or its channels as CSV";
    }
    int run(const QStringList& args, const CliEnvironment& env) override;
};

/**
 * qx7-cli import: a data file built from JSON of the export's schema, or from
 * a CSV channel list put into a base codeplug (a data file, or a new one of a
 * model).
 */
class ImportCommand : public CliCommand {
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

/** qx7-cli models: the model catalogue. */
class ModelsCommand : public CliCommand {
  public:
    QString name() const override { return "models"; }
    QString synopsis() const override { return ""; }
    QString description() const override { return "list the radio models and their bands"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
