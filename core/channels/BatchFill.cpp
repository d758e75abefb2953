#include "BatchFill.h"

#include "ChannelStore.h"
#include "FrequencyEntry.h"
#include "app/AppContext.h"
#include "app/Prompter.h"

#include <algorithm>

namespace ChannelEditing {

namespace {

constexpr double kKhzPerMhz = 1000.0;

bool validate(AppContext& ctx, Prompter& prompter, const BatchRun& run, double rx, double tx) {
    if (!run.range)
        return true; // the fill clamps the frequencies
    const TALL& all = ctx.all();
    if (run.from > run.to) {
        prompter.ShowPrompt(ctx.texts().Confirmation, ctx.texts().FChBigT, Prompt::kInfo);
        return false;
    }
    for (double mhz : {rx, tx}) {
        if (mhz > all.ModelHigh || mhz < all.ModelLow) {
            prompter.ShowPrompt(ctx.texts().Caution, ctx.texts().ErrRange, Prompt::kInfo);
            return false;
        }
    }
    return true;
}

} // namespace

bool RunBatch(AppContext& ctx, ChannelStore& store, Prompter& prompter, const BatchRun& run) {
    const auto rxStart = ParseFrequency(run.rxText);
    const auto txStart = ParseFrequency(run.txText);
    const auto stepKhz = ParseFrequency(run.stepKhz);
    if (!rxStart || !txStart || !stepKhz)
        return false; // not a number: nothing happens, without a prompt
    if (!validate(ctx, prompter, run, *rxStart, *txStart))
        return false;
    const TALL& all = ctx.all();
    const int first = run.range ? run.from : 1;
    const int last = std::min(run.range ? run.to : all.ChannelCount, store.RowCount());
    const double step = (run.descending ? -*stepKhz : *stepKhz) / kKhzPerMhz;
    double rx = *rxStart;
    double tx = *txStart;
    store.BeginUpdate();
    for (int n = std::max(first, 1); n <= last; ++n) {
        // The model's limits, not the band's, and no prompt; the running values stay unsnapped.
        rx = std::clamp(rx, all.ModelLow, all.ModelHigh);
        tx = std::clamp(tx, all.ModelLow, all.ModelHigh);
        ChannelValues c = run.settings;
        c.rx = SnapFrequency(rx);
        c.tx = SnapFrequency(tx);
        store.SetChannelRow(n, c);
        ctx.all().Changed = true;
        rx += step;
        tx += step;
    }
    store.SetAllTxEditable();
    store.EndUpdate();
    return true;
}

} // namespace ChannelEditing
