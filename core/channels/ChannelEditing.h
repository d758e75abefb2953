#pragma once

#include "FrequencyEntry.h"
#include "image/TBWriteRead.h"

#include <QString>

class AppContext;
class ChannelStore;
class Prompter;

/** What the user enters into channels: checked, snapped and formatted. */
namespace ChannelEditing {

/**
 * A cell text committed in the channel table: marks the codeplug changed and,
 * for the RX and TX columns, checks, snaps and formats the frequency. An empty
 * RX empties the row; an empty TX leaves the channel without transmit
 * frequency; the first RX of an empty row initialises it.
 */
void CommitCellText(AppContext& ctx, ChannelStore& store, Prompter& prompter, int row, int col,
                    const QString& text);

/**
 * A row's first RX frequency: marks it in use, copies RX into an empty TX and
 * writes None, None, High, Wide, No, No, No.
 */
void InitChannel(AppContext& ctx, ChannelStore& store, int row);

/** A tone editor's text committed: empty or None gives None, else the normalised tone. */
void CommitTone(AppContext& ctx, ChannelStore& store, int row, int col, const QString& text);

/** A list editor's item committed: the index as value, the item as text. */
void CommitItem(AppContext& ctx, ChannelStore& store, int row, int col, int itemIndex);

/**
 * Channel Edit's write-back: the row becomes the channel its fields show, with
 * the tones, power, bandwidth and switches of settings. An empty RX empties
 * the row. A frequency field that does not read as a number never reaches the
 * table: the row keeps that frequency, and a row without a readable RX is left
 * alone. Sets Changed when the row was written or emptied; returns whether it was.
 */
bool WriteChannelFields(AppContext& ctx, ChannelStore& store, int row, const QString& rxText,
                        const QString& txText, const ChannelValues& settings);

} // namespace ChannelEditing
