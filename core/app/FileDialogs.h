#pragma once

#include <QString>

#include <optional>

/** The kinds of file the program saves and opens. */
enum class FileKind { DataFile, Csv, Pdf, Log };

/** Asks the user for a file name; none when the dialog is cancelled. */
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    /** The save dialog, offering suggested as the name when it is not empty. */
    virtual std::optional<QString> AskSavePath(FileKind kind = FileKind::DataFile,
                                               const QString& suggested = QString()) = 0;
    virtual std::optional<QString> AskOpenPath(FileKind kind = FileKind::DataFile) = 0;
};
