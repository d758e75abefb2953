#include "ChannelEditing.h"

#include "ChannelStore.h"
#include "ToneCodes.h"
#include "app/AppContext.h"
#include "app/Prompter.h"

namespace ChannelEditing {

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
    store.SetCellText(row, col, GridFrequencyText(ctx, prompter, trimmed));
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

bool WriteChannelFields(AppContext& ctx, ChannelStore& store, int row, const QString& rxText,
                        const QString& txText, const ChannelValues& settings) {
    if (rxText.trimmed().isEmpty()) {
        store.ClearChannel(row);
        ctx.all().Changed = true;
        return true;
    }
    const std::optional<ChannelValues> before = store.ReadRow(row);
    ChannelValues c = settings;
    if (const auto rx = ParseFrequency(rxText))
        c.rx = *rx;
    else if (before)
        c.rx = before->rx;
    else
        return false;
    if (txText.trimmed().isEmpty())
        c.tx.reset();
    else if (const auto tx = ParseFrequency(txText))
        c.tx = *tx;
    else
        c.tx = before ? before->tx : std::nullopt;
    store.SetChannelRow(row, c);
    ctx.all().Changed = true;
    return true;
}

} // namespace ChannelEditing
