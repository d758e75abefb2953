#include "PrintData.h"

#include "TfBFunSet.h"
#include "app/AppContext.h"
#include "app/Settings.h"
#include "channels/ChannelStore.h"
#include "model/SettingTexts.h"

#include <QCheckBox>

void PrintData::Prepare(AppContext& ctx, const ChannelStore& store, const Sources& sources) {
    PrintTables& tables = ctx.printTables();
    tables.Clear();
    PrintTables::HeaderRow header;
    header.Title = ctx.all().AppTitle;
    header.AField = sources.modelCaption;
    header.AValue = ctx.all().ModelName;
    header.CField = sources.bandCaption;
    header.CValue = sources.bandText;
    tables.AppendHeader(header);
    addFunctionRows(ctx);
    addChannelRows(ctx, store, sources.titles);
}

void PrintData::addFunctionRows(AppContext& ctx) {
    TfBFunSet dialog(ctx); // prepared (translated and loaded), never shown
    const QString group = dialog.windowTitle();
    const auto onOff = [&](const char* box) {
        return IfElseStr(dialog.Check(box)->isChecked(), ctx.texts().Open, ctx.texts().Close);
    };
    const auto row = [&](const QString& field, const QString& value) {
        PrintTables::ItemRow item;
        item.TypeID = PrintTables::kFunctionSettings;
        item.TypeName = group;
        item.AField = field;
        item.AValue = value;
        ctx.printTables().AppendItem(item);
    };
    for (const SettingText& s : SettingTexts()) {
        if (s.kind == SettingText::Flag)
            row(dialog.Check(s.control)->text(), onOff(s.control));
        else
            row(dialog.Caption(s.label), dialog.Shown(s.control));
    }
}

void PrintData::addChannelRows(AppContext& ctx, const ChannelStore& store,
                               const QStringList& titles) {
    const QString group = ctx.texts().Channel + ctx.texts().Info;
    PrintTables::ItemRow groupRow;
    groupRow.TypeID = PrintTables::kChannels;
    groupRow.TypeName = group;
    ctx.printTables().AppendItem(groupRow);
    const auto title = [&titles](int col) { return titles.value(col - 1); };
    for (int r = 1; r <= store.RowCount(); ++r) {
        if (!store.IsPresent(r))
            continue;
        const auto cell = [&store, r](int col) { return store.CellText(r, col); };
        const auto add = [&](QString af, QString av, QString bf, QString bv) {
            PrintTables::ItemRow item;
            item.TypeID = PrintTables::kChannels;
            item.TypeName = group;
            item.AField = std::move(af);
            item.AValue = std::move(av);
            item.BField = std::move(bf);
            item.BValue = std::move(bv);
            ctx.printTables().AppendItem(item);
        };
        add(title(1) + cell(1), {}, {}, {});
        add(title(2), cell(2), title(3), cell(3));
        add(title(4), cell(4), title(5), cell(5));
        add(title(6), cell(6), title(7), cell(7));
        add(title(8), cell(8), title(9), cell(9));
        add(title(10), cell(10), {}, {});
    }
}
