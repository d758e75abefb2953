#include "DataFile.h"

#include "MemoryMap.h"
#include "RecordEncoder.h"
#include "model/TMacList.h"

#include <QFile>
#include <QSaveFile>

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
        d.error =
            QStringLiteral("%1 is for model \"%2\", which QX7 does not know.").arg(path, code);
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
    RecordDecoder decoder(*model, bands, models);
    for (const MapEntry& e : map.FileOrder())
        decoder.Decode(e, recordAt(bytes, e.fileRecord));
    d.codeplug = decoder.Result();
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
    // Unbuffered: a buffered write would report a full disk only while the
    // file is committed, too late for the temporary file to be dropped, and
    // an empty file would replace the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return QStringLiteral("Cannot write %1: %2.").arg(path, why);
    }
    if (!file.commit())
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
