#pragma once

#include "CliCommand.h"

/** qx7-cli models: the model catalogue. */
class ModelsCommand : public CliCommand {
  public:
    QString name() const override { return "models"; }
    QString synopsis() const override { return ""; }
    QString description() const override { return "list the radio models and their bands"; }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
