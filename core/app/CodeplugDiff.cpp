#include "CodeplugDiff.h"

#include "MessageText.h"
#include "channels/ChannelStore.h"
#include "image/DataFile.h"
#include "image/RecordEncoder.h"
#include "model/SettingTexts.h"
#include "model/TMacType.h"

#include <algorithm>

namespace {

QString modelText(const Codeplug& cp) {
    return cp.model ? cp.model->Name : cp.modelCode;
}

QString messageText(const QString& line) {
    // Quoted, so that spaces at the end show and control characters never print raw.
    return '"' + MessageText::Quoted(line) + '"';
}

QString itemText(const QStringList& items, int index) {
    return index >= 0 && index < items.size() ? items[index] : QString::number(index);
}

/** The ten cells of a channel as the channel table shows them; empty for no channel. */
QStringList cellsOf(const std::optional<ChannelValues>& c, int number, const FieldNames& names) {
    if (!c)
        return {};
    const auto tone = [&names](const QString& t) { return t.isEmpty() ? names.noTone : t; };
    return {QString::number(number),
            FormatFrequency(c->rx),
            c->tx ? FormatFrequency(*c->tx) : QString(),
            tone(c->decodeTone),
            tone(c->encodeTone),
            itemText(names.power, ItemOf(c->power)),
            itemText(names.bandwidth, ItemOf(c->bandwidth)),
            itemText(names.yesNo, ItemOf(c->scanAdd)),
            itemText(names.yesNo, ItemOf(c->beatShift)),
            itemText(names.yesNo, ItemOf(c->busyLockout))};
}

} // namespace

QString CodeplugDiff::Difference::Text() const {
    return QStringLiteral("%1: %2 -> %3").arg(field, before, after);
}

std::vector<CodeplugDiff::Difference>
CodeplugDiff::Compare(const Codeplug& before, const Codeplug& after, const FieldNames& names) {
    std::vector<Difference> found;
    const auto shown = [&names](const QString& value) {
        return value.isEmpty() ? names.empty : value;
    };
    const auto add = [&](QString field, const QString& a, const QString& b, int channel = 0,
                         int column = 0) {
        if (a != b)
            found.push_back({channel, column, std::move(field), shown(a), shown(b)});
    };

    add(names.model, modelText(before), modelText(after));
    add(names.band, before.bandText, after.bandText);

    const size_t count = std::max(before.channels.size(), after.channels.size());
    for (size_t i = 0; i < count; ++i) {
        const int number = static_cast<int>(i) + 1;
        const auto slot = [i](const Codeplug& cp) {
            return i < cp.channels.size() ? cp.channels[i] : std::nullopt;
        };
        const QStringList a = cellsOf(slot(before), number, names);
        const QStringList b = cellsOf(slot(after), number, names);
        const auto fieldOf = [&](int column) {
            return QStringLiteral("%1 %2 %3")
                .arg(names.channel)
                .arg(number)
                .arg(names.columns.value(column - 1));
        };
        if (a.isEmpty() != b.isEmpty()) {
            // In use on one side only: one difference, in the cell that makes a channel.
            add(fieldOf(ChannelStore::ColRx), a.value(ChannelStore::ColRx - 1),
                b.value(ChannelStore::ColRx - 1), number, ChannelStore::ColRx);
            continue;
        }
        for (int column = ChannelStore::ColRx; column <= ChannelStore::kColumns && !a.isEmpty();
             ++column)
            add(fieldOf(column), a[column - 1], b[column - 1], number, column);
    }

    const std::vector<SettingText>& settings = SettingTexts();
    for (size_t i = 0; i < settings.size(); ++i) {
        const SettingText& s = settings[i];
        const FieldNames::Setting named =
            i < names.settings.size()
                ? names.settings[i]
                : FieldNames::Setting{QString::fromLatin1(s.caption), s.items};
        const int a = before.fun.*s.field;
        const int b = after.fun.*s.field;
        if (a != b)
            add(named.caption, s.Shown(a, named.items, names.on, names.off),
                s.Shown(b, named.items, names.on, names.off));
    }

    add(names.message + QStringLiteral(" 1"), messageText(before.message.Line1),
        messageText(after.message.Line1));
    add(names.message + QStringLiteral(" 2"), messageText(before.message.Line2),
        messageText(after.message.Line2));
    return found;
}

Codeplug CodeplugDiff::AsReadBack(const Codeplug& written, const TFrqList& bands,
                                  const TMacList& models) {
    RecordDecoder decoder(*written.model, bands, models);
    for (const auto& [entry, record] :
         RecordEncoder(written, bands, RecordEncoder::Target::Radio).WriteRecords())
        decoder.Decode(entry, record);
    Codeplug read = decoder.Result();
    read.fun.Normalise();
    return read;
}

Codeplug CodeplugDiff::AsSaved(const Codeplug& codeplug, const TFrqList& bands,
                               const TMacList& models) {
    const DataFile::Encoded saved = DataFile::Encode(codeplug, bands, QDateTime::currentDateTime());
    // A file of this program's own making always opens again.
    return DataFile::Decode(saved.bytes, QString(), models, bands)->codeplug;
}
