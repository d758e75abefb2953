#include "CodeplugBuilder.h"

#include "app/AppContext.h"
#include "image/DataFile.h"
#include "image/RecordEncoder.h"
#include "model/Selection.h"

CodeplugBuilder::CodeplugBuilder(const AppContext& ctx, const QString& modelCode) : m_ctx(ctx) {
    m_codeplug.model = ctx.models().FindByCode(modelCode);
    m_codeplug.modelCode = modelCode;
    m_codeplug.channels.resize(static_cast<size_t>(m_codeplug.model->ChannelCount));
    Band(m_codeplug.model->DefaultBand);
}

CodeplugBuilder& CodeplugBuilder::Band(const QString& text) {
    const BandLimits limits = ParseBand(text).value_or(BandLimits{});
    m_codeplug.bandText = text;
    m_codeplug.bandLow = limits.low;
    m_codeplug.bandHigh = limits.high;
    return *this;
}

CodeplugBuilder& CodeplugBuilder::Channel(int number, const ChannelValues& c) {
    m_codeplug.channels.at(static_cast<size_t>(number - 1)) = c;
    return *this;
}

CodeplugBuilder& CodeplugBuilder::Message(const QString& line1, const QString& line2) {
    m_codeplug.message.Line1 = line1;
    m_codeplug.message.Line2 = line2;
    return *this;
}

QByteArray CodeplugBuilder::DataFile(const QDateTime& time) const {
    return DataFile::Encode(m_codeplug, m_ctx.bands(), time.toLocalTime()).bytes;
}

std::vector<std::pair<MapEntry, Record>> CodeplugBuilder::RadioRecords() const {
    return RecordEncoder(m_codeplug, m_ctx.bands(), RecordEncoder::Target::Radio).WriteRecords();
}
