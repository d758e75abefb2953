#pragma once

#include "app/AppContext.h"
#include "app/CodeplugDocument.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedPrompter.h"
#include "channels/ChannelStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
