#pragma once

#include "FileDialogs.h"

#include <QQueue>

/**
 * File dialogs that answer from queues, for tests and scripts: each call takes
 * the next path, and an empty queue is a cancelled dialog. Counts the calls.
 */
class ScriptedFileDialogs : public FileDialogs {
  public:
    std::optional<QString> AskSavePath() override;
    std::optional<QString> AskOpenPath() override;

    QQueue<QString> saves;
    QQueue<QString> opens;
    int saveAsked = 0;
    int openAsked = 0;
};
