#include "FieldNames.h"

#include "channels/ChannelStore.h"
#include "image/CodeplugJson.h"
#include "model/SettingTexts.h"

FieldNames FieldNames::English() {
    FieldNames names;
    names.model = QStringLiteral("Model Type");
    names.band = QStringLiteral("Frequency");
    names.columns = ChannelStore::ColumnCaptions();
    names.noTone = QStringLiteral("None");
    names.power = CodeplugJson::SwitchItems("power");
    names.bandwidth = CodeplugJson::SwitchItems("bandwidth");
    names.yesNo = CodeplugJson::SwitchItems("scan_add");
    for (const SettingText& s : SettingTexts())
        names.settings.push_back({QString::fromLatin1(s.caption), s.items});
    names.on = QStringLiteral("On");
    names.off = QStringLiteral("Off");
    names.channel = QStringLiteral("channel");
    names.message = QStringLiteral("Embedded Message");
    names.empty = QStringLiteral("(empty)");
    return names;
}
