#pragma once

#include <QString>
#include <QStringList>

class AppContext;
class ChannelStore;

/**
 * Prepares the print tables from what the windows show, in the current
 * language: the header row, the fifteen function settings rows (read from a
 * Function Setting dialog that is prepared but never shown) and six rows for
 * each programmed channel.
 */
class PrintData {
  public:
    /** What the main window and the channel table show. */
    struct Sources {
        QString modelCaption; // lMode
        QString bandCaption;  // Label4
        QString bandText;     // stFreq
        QStringList titles;   // the ten column titles of the channel table
    };

    static void Prepare(AppContext& ctx, const ChannelStore& store, const Sources& sources);

  private:
    static void addFunctionRows(AppContext& ctx);
    static void addChannelRows(AppContext& ctx, const ChannelStore& store,
                               const QStringList& titles);
};
