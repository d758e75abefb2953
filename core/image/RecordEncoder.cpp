#include "RecordEncoder.h"

#include "model/Selection.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"
#include "model/TMacType.h"

namespace {

QString edge(double mhz) {
    return QStringLiteral("%1").arg(static_cast<long long>(mhz), 3, 10, QLatin1Char('0'));
}

constexpr int kMessagePart = 16;
constexpr int kBitmapChars = 128;

} // namespace

RecordEncoder::RecordEncoder(const Codeplug& codeplug, const TFrqList& bands, Target target,
                             QDateTime saveTime)
    : m_codeplug(codeplug), m_bands(bands), m_target(target), m_saveTime(std::move(saveTime)) {}

Record RecordEncoder::Encode(const MapEntry& e) {
    const Codeplug& cp = m_codeplug;
    Record r{};
    TBWriteRead::FillBlank(r);
    switch (e.kind) {
    case RecordKind::Header:
        if (m_target == Target::File)
            TBWriteRead::EncodeHeader(r, QStringLiteral("P") + cp.modelCode,
                                      edge(cp.bandLow) + edge(cp.bandHigh),
                                      m_saveTime.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        break;
    case RecordKind::Channel: {
        const size_t i = static_cast<size_t>(e.index - 1);
        const auto& channel = i < cp.channels.size() ? cp.channels[i] : std::nullopt;
        m_usedBits += channel ? '1' : '0';
        // The scan bitmap marks the channels whose Scan Add item is 1.
        m_scanBits += channel && channel->scanAdd == YesNo::No ? '1' : '0';
        if (channel)
            TBWriteRead::EncodeChannel(r, *channel);
        break;
    }
    case RecordKind::Reserved:
        break;
    case RecordKind::OptionSettings:
        TBWriteRead::EncodeOptionSettings(r, cp.fun);
        break;
    case RecordKind::Message: {
        const QString& line = e.index < 2 ? cp.message.Line1 : cp.message.Line2;
        TBWriteRead::EncodeMessage(r, line.mid(kMessagePart * (e.index % 2), kMessagePart));
        break;
    }
    case RecordKind::BasicSettings:
        TBWriteRead::EncodeBasicSettings(r, cp.fun);
        break;
    case RecordKind::Band:
        TBWriteRead::EncodeBand(r, m_bands.CodeOf(cp.bandText), cp.modelCode);
        break;
    case RecordKind::UsedBitmap:
        TBWriteRead::EncodeBitmap(r, m_usedBits.mid(kBitmapChars * e.index, kBitmapChars));
        break;
    case RecordKind::ScanBitmap:
        TBWriteRead::EncodeBitmap(r, m_scanBits.mid(kBitmapChars * e.index, kBitmapChars));
        break;
    }
    return r;
}

std::vector<std::pair<MapEntry, Record>> RecordEncoder::WriteRecords() {
    std::vector<std::pair<MapEntry, Record>> records;
    for (const MapEntry& e : MemoryMap::ForModel(*m_codeplug.model).WriteOrder())
        records.emplace_back(e, Encode(e));
    return records;
}

RecordDecoder::RecordDecoder(const TMacType& model, const TFrqList& bands, const TMacList& models)
    : m_bands(bands), m_models(models) {
    m_codeplug.model = &model;
    m_codeplug.modelCode = model.Code;
    m_codeplug.channels.assign(static_cast<size_t>(model.ChannelCount), std::nullopt);
}

void RecordDecoder::Decode(const MapEntry& e, const Record& r) {
    Codeplug& cp = m_codeplug;
    switch (e.kind) {
    case RecordKind::Channel:
        cp.channels.at(static_cast<size_t>(e.index - 1)) = TBWriteRead::DecodeChannel(r);
        break;
    case RecordKind::OptionSettings:
        TBWriteRead::DecodeOptionSettings(r, cp.fun);
        break;
    case RecordKind::Message:
        m_messageParts[e.index] = TBWriteRead::DecodeMessage(r);
        break;
    case RecordKind::BasicSettings:
        TBWriteRead::DecodeBasicSettings(r, cp.fun);
        break;
    case RecordKind::Band: {
        const BandValues band = TBWriteRead::DecodeBand(r);
        if (m_models.FindByCode(band.modelCode))
            cp.modelCode = band.modelCode;
        cp.bandText = m_bands.TextOf(band.bandCode);
        const BandLimits limits = ParseBand(cp.bandText).value_or(BandLimits{});
        cp.bandLow = limits.low;
        cp.bandHigh = limits.high;
        break;
    }
    default: // the header, reserved records and bitmaps carry nothing to keep
        break;
    }
}

Codeplug RecordDecoder::Result() const {
    Codeplug cp = m_codeplug;
    cp.message.Line1 = m_messageParts[0] + m_messageParts[1];
    cp.message.Line2 = m_messageParts[2] + m_messageParts[3];
    return cp;
}
