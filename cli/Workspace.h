#pragma once

#include "CliCommand.h"
#include "CliPrompter.h"
#include "app/AppContext.h"
#include "app/CodeplugDocument.h"
#include "channels/ChannelStore.h"

/**
 * What the window program has after start-up, without a window: the context
 * with the first model and its default band, an empty channel table and the
 * document that saves it.
 */
class Workspace {
  public:
    /** The messages are those of the environment's language. */
    explicit Workspace(const CliEnvironment& env, bool answerYes = false);

    AppContext ctx;
    ChannelStore store;
    CliPrompter prompter;
    CodeplugDocument doc{ctx, store, prompter};

    /**
     * Makes the model with this code current with its default band and an
     * empty channel table; an unknown code is reported for the command and
     * gives the usage exit status.
     */
    int SelectModel(const QString& code, const QString& command);

    /** Saves to path; the document reports a failure on standard error. */
    bool SaveTo(const QString& path);
};
