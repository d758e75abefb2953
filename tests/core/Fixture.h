#pragma once

#include "app/AppContext.h"
#include "app/CodeplugDocument.h"
#include "app/FileDialogs.h"
#include "app/ScriptedPrompter.h"
#include "channels/ChannelStore.h"

#include <QQueue>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/** File dialogs that answer from queues; an empty queue is a cancelled dialog. */
class ScriptedFileDialogs : public FileDialogs {
  public:
    std::optional<QString> AskSavePath() override { return next(saves, ++saveAsked); }
    std::optional<QString> AskOpenPath() override { return next(opens, ++openAsked); }
    QQueue<QString> saves;
    QQueue<QString> opens;
    int saveAsked = 0;
    int openAsked = 0;

  private:
    static std::optional<QString> next(QQueue<QString>& q, int) {
        if (q.isEmpty())
            return std::nullopt;
        return q.dequeue();
    }
};

/** A started application in a temporary directory with its channel table and document. */
class CodeplugFixture : public ::testing::Test {
  protected:
    CodeplugFixture() {
        ctx.SelectFirstModel();
        store.ResetRows(ctx.all().ChannelCount);
        ctx.all().Changed = false;
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    AppContext ctx{dir.path()};
    ChannelStore store;
    ScriptedPrompter prompter;
    ScriptedFileDialogs dialogs;
    CodeplugDocument doc{ctx, store, prompter, &dialogs};
};
