#include "WindowFieldNames.h"

#include "TfBFunSet.h"
#include "TfEmbeddedMessage.h"
#include "app/AppContext.h"
#include "channels/ChannelStore.h"
#include "model/SettingTexts.h"

#include <QCheckBox>

namespace {

/** "Model Type: " as a field's name: without the colon and the spaces around it. */
QString fieldName(QString caption) {
    caption = caption.trimmed();
    while (caption.endsWith(':') || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

FieldNames WindowFieldNames(AppContext& ctx, const ChannelStore& store,
                            const PrintData::Sources& sources, const QString& empty) {
    FieldNames names = FieldNames::English();
    names.model = fieldName(sources.modelCaption);
    names.band = fieldName(sources.bandCaption);
    if (sources.titles.size() == ChannelStore::kColumns)
        names.columns = sources.titles;
    names.noTone = store.NoneText();
    names.power = store.ItemsFor(ChannelStore::ColPower);
    names.bandwidth = store.ItemsFor(ChannelStore::ColBandwidth);
    names.yesNo = store.ItemsFor(ChannelStore::ColScanAdd);

    const TfBFunSet settings(ctx); // prepared (translated and loaded), never shown
    names.settings.clear();
    for (const SettingText& s : SettingTexts()) {
        if (s.kind == SettingText::Flag)
            names.settings.push_back({settings.Check(s.control)->text(), {}});
        else
            names.settings.push_back({settings.Caption(s.label),
                                      settings.Items(s.control, static_cast<int>(s.items.size()))});
    }
    names.on = ctx.texts().Open;
    names.off = ctx.texts().Close;
    names.channel = ctx.texts().Channel;
    names.message = TfEmbeddedMessage(ctx).windowTitle();
    names.empty = empty;
    return names;
}
