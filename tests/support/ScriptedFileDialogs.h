#pragma once

#include "app/FileDialogs.h"

#include <QQueue>

/**
 * File dialogs that answer from queues, for tests and scripts: each call takes
 * the next path, and an empty queue is a cancelled dialog. Counts the calls.
 */
class ScriptedFileDialogs : public FileDialogs {
  public:
    std::optional<QString> AskSavePath(FileKind kind = FileKind::DataFile,
                                       const QString& suggested = QString()) override;
    std::optional<QString> AskOpenPath(FileKind kind = FileKind::DataFile) override;

    QQueue<QString> saves;
    QQueue<QString> opens;
    int saveAsked = 0;
    int openAsked = 0;
    /** The kind of file the last call asked for. */
    FileKind lastKind = FileKind::DataFile;
    /** The name the last save dialog offered. */
    QString lastSuggested;
};
