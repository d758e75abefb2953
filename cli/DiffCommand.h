#pragma once

#include "DataFileCommand.h"

/**
 * qx7-cli diff: the fields in which two codeplugs (data files or JSON)
 * differ, one line each, or "same"; exit status 5 when they differ.
 */
class DiffCommand : public DataFileCommand {
  public:
    QString name() const override { return "diff"; }
    QString synopsis() const override { return "A B"; }
    QString description() const override {
        return "compare two codeplugs (data files or JSON): one line per difference, or \"same\"";
    }
    int run(const QStringList& args, const CliEnvironment& env) override;
};
