#include "DataFile.h"

#include "MemoryMap.h"
#include "RecordEncoder.h"
#include "model/TMacList.h"

#include "app/MessageText.h"
#include "app/SafeFile.h"

#include <algorithm>

namespace {

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
    RecordEncoder encoder(cp, bands, RecordEncoder::Target::File, saveTime);
    Encoded out;
    out.bytes.reserve(map.FileSize());
    for (const MapEntry& e : map.FileOrder()) {
        const Record r = encoder.Encode(e);
        out.bytes.append(reinterpret_cast<const char*>(r.data()), kRecordSize);
    }
    out.usedBits = encoder.UsedBits();
    out.scanBits = encoder.ScanBits();
    return out;
}

Result<DataFile::Contents> DataFile::Decode(const QByteArray& bytes, const QString& path,
                                            const TMacList& models, const TFrqList& bands) {
    const QString file = MessageText::Path(path);
    if (bytes.size() < kRecordSize)
        return Result<Contents>::Failure(
            QStringLiteral("%1 is not a data file: it holds %2, less than its header.")
                .arg(file, MessageText::Bytes(bytes.size())),
            TooShort);
    Contents contents;
    contents.header = TBWriteRead::DecodeHeader(recordAt(bytes, 0));
    const QString code = contents.header.tag.mid(1).trimmed();
    const TMacType* model = models.FindByCode(code);
    if (!model)
        return Result<Contents>::Failure(
            QStringLiteral("%1 is for model \"%2\", which QX7 does not know.")
                .arg(file, MessageText::Quoted(code)),
            UnknownModel);
    const MemoryMap map = MemoryMap::ForModel(*model);
    if (bytes.size() < map.FileSize())
        return Result<Contents>::Failure(
            QStringLiteral("%1 is cut short: it holds %2, but a data file of model %3 has %4 "
                           "(%5 records of 16 bytes); %6 are missing.")
                .arg(file, MessageText::Bytes(bytes.size()), model->Code)
                .arg(map.FileSize())
                .arg(map.FileRecordCount())
                .arg(MessageText::Bytes(map.FileSize() - bytes.size())),
            TooShort);
    RecordDecoder decoder(*model, bands, models);
    for (const MapEntry& e : map.FileOrder())
        decoder.Decode(e, recordAt(bytes, e.fileRecord));
    contents.codeplug = decoder.Result();
    return contents;
}

Result<DataFile::Contents> DataFile::Read(const QString& path, const TMacList& models,
                                          const TFrqList& bands) {
    // No data file needs more than the records of the largest model: an
    // endless device or a huge file is read no further, and what lies after
    // the band record is not used anyway.
    qint64 largest = 0;
    for (int i = 0; i < models.Count(); ++i)
        largest = std::max<qint64>(largest, MemoryMap::ForModel(*models.Item(i)).FileSize());
    const Result<QByteArray> in = SafeFile::Read(path, largest, true);
    if (!in)
        return Result<Contents>::Failure(in.error(), CannotRead);
    return Decode(*in, path, models, bands);
}

Result<void> DataFile::Write(const QString& path, const Codeplug& codeplug, const TFrqList& bands) {
    const Result<QDateTime> time = SaveTime();
    if (!time)
        return Result<void>::Failure(
            QStringLiteral("Cannot save %1: %2.").arg(MessageText::Path(path), time.error()));
    try {
        return SafeFile::Write(path, Encode(codeplug, bands, *time).bytes);
    } catch (const CodecError& e) {
        return Result<void>::Failure(
            QStringLiteral("Cannot save %1: %2.").arg(MessageText::Path(path), e.message()));
    }
}

Result<QDateTime> DataFile::SaveTime() {
    const QByteArray given = qgetenv("SOURCE_DATE_EPOCH");
    if (given.isNull())
        return QDateTime::currentDateTime();
    // The header holds the year in two bytes and the date as "yyyy-MM-dd".
    constexpr qint64 kLastSecond = 253402300799; // 9999-12-31 23:59:59 UTC
    bool ok = false;
    const qint64 epoch = given.trimmed().toLongLong(&ok);
    if (!ok || epoch < 0 || epoch > kLastSecond)
        return Result<QDateTime>::Failure(
            QStringLiteral("SOURCE_DATE_EPOCH \"%1\" is not a time to save: give the seconds "
                           "since 1970-01-01 as a whole number, up to the year 9999")
                .arg(MessageText::Quoted(QString::fromLocal8Bit(given))));
    const QDateTime time = QDateTime::fromSecsSinceEpoch(epoch).toLocalTime();
    if (time.date().year() > 9999)
        return Result<QDateTime>::Failure(
            QStringLiteral("SOURCE_DATE_EPOCH %1 names the year %2, after 9999")
                .arg(epoch)
                .arg(time.date().year()));
    return time;
}
