#include "DataFile.h"

#include "MemoryMap.h"
#include "model/Selection.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"

#include <QFile>
#include <QSaveFile>

namespace {

QString edge(double mhz) {
    return QStringLiteral("%1").arg(static_cast<long long>(mhz), 3, 10, QLatin1Char('0'));
}

Record recordAt(const QByteArray& bytes, int fileRecord) {
    Record r{};
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    std::copy_n(data + static_cast<ptrdiff_t>(fileRecord) * kRecordSize, kRecordSize, r.begin());
    return r;
}

} // namespace

DataFile::Encoded DataFile::Encode(const Codeplug& cp, const TFrqList& bands,
                                   const QDateTime& saveTime) {
    const MemoryMap map = MemoryMap::ForModel(*cp.model);
    Encoded out;
    out.bytes.reserve(map.FileSize());
    for (const MapEntry& e : map.FileOrder()) {
        Record r{};
        switch (e.kind) {
        case RecordKind::Header:
            TBWriteRead::EncodeHeader(r, QStringLiteral("P") + cp.modelCode,
                                      edge(cp.bandLow) + edge(cp.bandHigh),
                                      saveTime.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
            break;
        case RecordKind::Channel: {
            const auto& channel = cp.channels.at(static_cast<size_t>(e.index - 1));
            out.usedBits += channel ? '1' : '0';
            out.scanBits += channel && channel->scanAdd == 1 ? '1' : '0';
            if (channel)
                TBWriteRead::EncodeChannel(r, *channel);
            else
                TBWriteRead::FillBlank(r);
            break;
        }
        case RecordKind::Reserved:
            TBWriteRead::FillBlank(r);
            break;
        case RecordKind::OptionSettings:
            TBWriteRead::EncodeOptionSettings(r, cp.fun);
            break;
        case RecordKind::Message: {
            const QString& line = e.index < 2 ? cp.message.Line1 : cp.message.Line2;
            TBWriteRead::EncodeMessage(r, line.mid(16 * (e.index % 2), 16));
            break;
        }
        case RecordKind::BasicSettings:
            TBWriteRead::EncodeBasicSettings(r, cp.fun);
            break;
        case RecordKind::Band:
            TBWriteRead::EncodeBand(r, bands.CodeOf(cp.bandText), cp.modelCode);
            break;
        case RecordKind::UsedBitmap:
            TBWriteRead::EncodeBitmap(r, out.usedBits.mid(128 * e.index, 128));
            break;
        case RecordKind::ScanBitmap:
            TBWriteRead::EncodeBitmap(r, out.scanBits.mid(128 * e.index, 128));
            break;
        }
        out.bytes.append(reinterpret_cast<const char*>(r.data()), kRecordSize);
    }
    return out;
}

DataFile::Decoded DataFile::Decode(const QByteArray& bytes, const QString& path,
                                   const TMacList& models, const TFrqList& bands) {
    Decoded d;
    if (bytes.size() < kRecordSize) {
        d.failure = Failure::TooShort;
        d.error = QStringLiteral("%1 is not a data file: it holds %2 bytes, less than its header.")
                      .arg(path)
                      .arg(bytes.size());
        return d;
    }
    d.header = TBWriteRead::DecodeHeader(recordAt(bytes, 0));
    const QString code = d.header.tag.mid(1).trimmed();
    const TMacType* model = models.FindByCode(code);
    if (!model) {
        d.failure = Failure::UnknownModel;
        d.error = QStringLiteral("%1 is for model \"%2\", which QX7 does not know.").arg(path, code);
        return d;
    }
    const MemoryMap map = MemoryMap::ForModel(*model);
    if (bytes.size() < map.FileSize()) {
        d.failure = Failure::TooShort;
        d.error = QStringLiteral("%1 is cut short: it holds %2 bytes, but a data file of model "
                                 "%3 has %4 (%5 records of 16 bytes); %6 bytes are missing.")
                      .arg(path)
                      .arg(bytes.size())
                      .arg(model->Code)
                      .arg(map.FileSize())
                      .arg(map.FileRecordCount())
                      .arg(map.FileSize() - bytes.size());
        return d;
    }
    Codeplug& cp = d.codeplug;
    cp.model = model;
    cp.modelCode = model->Code;
    cp.channels.assign(static_cast<size_t>(model->ChannelCount), std::nullopt);
    QString messageParts[4];
    for (const MapEntry& e : map.FileOrder()) {
        const Record r = recordAt(bytes, e.fileRecord);
        switch (e.kind) {
        case RecordKind::Channel:
            cp.channels[static_cast<size_t>(e.index - 1)] = TBWriteRead::DecodeChannel(r);
            break;
        case RecordKind::OptionSettings:
            TBWriteRead::DecodeOptionSettings(r, cp.fun);
            break;
        case RecordKind::Message:
            messageParts[e.index] = TBWriteRead::DecodeMessage(r);
            break;
        case RecordKind::BasicSettings:
            TBWriteRead::DecodeBasicSettings(r, cp.fun);
            break;
        case RecordKind::Band: {
            const BandValues band = TBWriteRead::DecodeBand(r);
            cp.modelCode = band.modelCode;
            cp.bandText = bands.TextOf(band.bandCode);
            const BandLimits limits = ParseBand(cp.bandText).value_or(BandLimits{});
            cp.bandLow = limits.low;
            cp.bandHigh = limits.high;
            break;
        }
        default: // header read above; reserved records and bitmaps are not used
            break;
        }
    }
    cp.message.Line1 = messageParts[0] + messageParts[1];
    cp.message.Line2 = messageParts[2] + messageParts[3];
    return d;
}

DataFile::Decoded DataFile::Read(const QString& path, const TMacList& models,
                                 const TFrqList& bands) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Decoded d;
        d.failure = Failure::CannotRead;
        d.error = QStringLiteral("Cannot open %1: %2.").arg(path, file.errorString());
        return d;
    }
    return Decode(file.readAll(), path, models, bands);
}

QString DataFile::WriteAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString());
    return {};
}

QDateTime DataFile::SaveTime() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(epoch).toLocalTime();
    return QDateTime::currentDateTime();
}
