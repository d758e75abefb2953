#pragma once

#include <QString>

#include <optional>

class AppContext;
class Prompter;

/**
 * Frequencies the user types, one rule for every place that takes them: the
 * channel grid, Channel Edit, Batch Channel Edit and Test Frequency.
 */
namespace ChannelEditing {

/**
 * A typed frequency as a number in MHz, or none when the text is not one:
 * empty, "1.2.3", "nan", "inf", or more digits than any frequency has (a
 * count of 10 Hz steps beyond 64 bits). Spaces around it are ignored.
 */
std::optional<double> ParseFrequency(const QString& text);

/**
 * Moves a frequency down onto the channel raster: 5 kHz when it is a whole
 * number of kHz, else 6.25 kHz. 438.5075 gives 438.50625. A value that is not
 * finite, or too large to count in 10 Hz steps, is returned as it is.
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

/** A checked entry moved onto the raster, as text: CheckFrequency, then SnapFrequency. */
QString CheckedText(AppContext& ctx, Prompter& prompter, double mhz, bool reported = false);

/**
 * A frequency typed into the channel grid: a text that is no number becomes
 * the band's upper edge with OutRange; then checked and snapped.
 */
QString GridFrequencyText(AppContext& ctx, Prompter& prompter, const QString& text);

/** What Channel Edit's RX field gives: the RX to show, and the TX, which follows an empty TX. */
struct RxEntry {
    QString rx;
    QString tx;
};

/**
 * Channel Edit's RX entry: checked and snapped; an empty TX field takes the
 * RX. A text that is no number shows ErrRange and gives none: nothing
 * reaches the table.
 */
std::optional<RxEntry> EnterChannelRx(AppContext& ctx, Prompter& prompter, const QString& rxText,
                                      const QString& txText);

/** Channel Edit's TX entry: checked and snapped; no number shows ErrRange and gives none. */
std::optional<QString> EnterChannelTx(AppContext& ctx, Prompter& prompter, const QString& txText);

/**
 * Batch Channel Edit's RX or TX field after a change: the value snapped onto
 * the raster, without a range check; a text that is no number stays as it is.
 */
QString SnappedText(const QString& text);

/**
 * A test frequency cell: checked but not moved onto the raster. A text that
 * is no number leaves the cell empty, without a prompt.
 */
QString TestFrequencyText(AppContext& ctx, Prompter& prompter, const QString& text);

} // namespace ChannelEditing
