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
