#pragma once

#include "image/TBWriteRead.h"

#include <QString>

class AppContext;
class ChannelStore;
class Prompter;

namespace ChannelEditing {

/** What Batch Channel Edit collects for one run. */
struct BatchRun {
    /** The start frequencies as typed, in MHz. */
    QString rxText;
    QString txText;
    /** "&Channel": only the channels from..to; otherwise every channel. */
    bool range = false;
    int from = 1;
    int to = 1;
    /** The step in kHz, such as "25.0" or "6.25". */
    QString stepKhz;
    /** "DESC": the frequencies fall from channel to channel. */
    bool descending = false;
    /** Tones, power, bandwidth and switches that every channel of the run gets. */
    ChannelValues settings;
};

/**
 * OK in Batch Channel Edit: checks the run and fills it. A start frequency
 * that is no number does nothing, without a prompt. For a range, From above To
 * shows FChBigT and a start outside the model's limits ErrRange, and nothing is
 * written; for all channels the starts are clamped to the model's limits. Every
 * channel of the run gets the stepped, clamped and snapped frequencies and the
 * settings; every TX cell becomes editable. Returns whether channels were written.
 */
bool RunBatch(AppContext& ctx, ChannelStore& store, Prompter& prompter, const BatchRun& run);

} // namespace ChannelEditing
