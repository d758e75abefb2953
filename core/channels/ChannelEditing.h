#pragma once

#include <QString>

class AppContext;
class ChannelStore;
class Prompter;

/** What the user enters into channels: checked, snapped and formatted. */
namespace ChannelEditing {

/**
 * Moves a frequency down onto the channel raster: 5 kHz when it is a whole
 * number of kHz, else 6.25 kHz. 438.5075 gives 438.50625.
 */
double SnapFrequency(double mhz);

/**
 * Checks an entered frequency against the current model and band. Above the
 * model's upper limit it becomes the band's upper edge, below the lower limit
 * the band's lower edge, each with ErrRange; inside the model but outside the
 * band it is kept with OutRange. At most one prompt per entry: none when
 * reported is already set. Prompts are information prompts captioned Caution.
 */
double CheckFrequency(AppContext& ctx, Prompter& prompter, double mhz, bool reported = false);

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

} // namespace ChannelEditing
