#pragma once

#include <QString>

#include <optional>

/** Asks the user for a data file name; none when the dialog is cancelled. */
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> AskSavePath() = 0;
    virtual std::optional<QString> AskOpenPath() = 0;
};
