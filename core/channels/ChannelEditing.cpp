#include "ChannelEditing.h"

#include "ChannelStore.h"
#include "ToneCodes.h"
#include "app/AppContext.h"
#include "app/Prompter.h"

#include <cmath>

namespace ChannelEditing {

namespace {

constexpr long long kStep5kHz = 500;    // in units of 10 Hz
constexpr long long kStep6_25kHz = 625; // in units of 10 Hz

void caution(AppContext& ctx, Prompter& prompter, const QString& text) {
    prompter.ShowPrompt(ctx.texts().Caution, text, Prompt::kInfo);
}

} // namespace

double SnapFrequency(double mhz) {
    const long long units = std::llround(mhz * 100000.0);
    const QString digits = QStringLiteral("%1").arg(units, 8, 10, QLatin1Char('0'));
    const bool wholeKhz = digits.size() >= 8 && digits[6] == '0' && digits[7] == '0';
    const long long step = wholeKhz ? kStep5kHz : kStep6_25kHz;
    // The result lies on the 10 Hz grid that records hold, so what is kept in
    // memory is what a save stores.
    const long long rest = units % step;
    return static_cast<double>(units - rest) / 100000.0;
}

double CheckFrequency(AppContext& ctx, Prompter& prompter, double mhz, bool reported) {
    const TALL& all = ctx.all();
    if (mhz > all.ModelHigh) {
        mhz = all.BandHigh;
        caution(ctx, prompter, ctx.texts().ErrRange);
        reported = true;
    } else if (mhz < all.ModelLow) {
        mhz = all.BandLow;
        caution(ctx, prompter, ctx.texts().ErrRange);
        reported = true;
    }
    if (!reported && (mhz > all.BandHigh || mhz < all.BandLow))
        caution(ctx, prompter, ctx.texts().OutRange);
    return mhz;
}

void CommitCellText(AppContext& ctx, ChannelStore& store, Prompter& prompter, int row, int col,
                    const QString& text) {
    ctx.all().Changed = true;
    if (col != ChannelStore::ColRx && col != ChannelStore::ColTx) {
        store.SetCellText(row, col, text);
        return;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        if (col == ChannelStore::ColRx)
            store.ClearChannel(row);
        else
            store.SetCellText(row, col, QString());
        return;
    }
    bool ok = false;
    double mhz = trimmed.toDouble(&ok);
    bool reported = false;
    if (!ok) {
        mhz = ctx.all().BandHigh;
        caution(ctx, prompter, ctx.texts().OutRange);
        reported = true;
    }
    mhz = CheckFrequency(ctx, prompter, mhz, reported);
    store.SetCellText(row, col, FormatFrequency(SnapFrequency(mhz)));
    if (col == ChannelStore::ColRx && !store.InUse(row))
        InitChannel(ctx, store, row);
}

void InitChannel(AppContext& ctx, ChannelStore& store, int row) {
    store.BeginUpdate();
    store.SetCellValue(row, ChannelStore::ColChannel, QStringLiteral("1"));
    if (store.CellText(row, ChannelStore::ColTx).isEmpty())
        store.SetCellText(row, ChannelStore::ColTx, store.CellText(row, ChannelStore::ColRx));
    const struct {
        int col;
        int item;
    } defaults[] = {
        {ChannelStore::ColPower, 1},       {ChannelStore::ColBandwidth, 0},
        {ChannelStore::ColScanAdd, 1},     {ChannelStore::ColBeatShift, 1},
        {ChannelStore::ColBusyLockout, 1},
    };
    for (int col : {ChannelStore::ColDecode, ChannelStore::ColEncode}) {
        store.SetCellText(row, col, store.NoneText());
        store.SetCellValue(row, col, QStringLiteral("0"));
    }
    for (const auto& d : defaults) {
        store.SetCellText(row, d.col, store.ItemsFor(d.col).value(d.item));
        store.SetCellValue(row, d.col, QString::number(d.item));
    }
    ctx.all().Changed = true;
    store.SetTxEditable(row, true);
    store.EndUpdate();
}

void CommitTone(AppContext& ctx, ChannelStore& store, int row, int col, const QString& text) {
    if (ctx.all().Refreshing)
        return;
    const QString trimmed = text.trimmed();
    const bool none = trimmed.isEmpty() || text == store.NoneText();
    store.SetCellText(row, col, none ? store.NoneText() : ToneCodes::NormalizeToneText(trimmed));
    ctx.all().Changed = true;
}

void CommitItem(AppContext& ctx, ChannelStore& store, int row, int col, int itemIndex) {
    if (ctx.all().Refreshing)
        return;
    store.BeginUpdate();
    store.SetCellValue(row, col, QString::number(itemIndex));
    store.SetCellText(row, col, store.ItemsFor(col).value(itemIndex));
    store.EndUpdate();
    ctx.all().Changed = true;
}

} // namespace ChannelEditing
