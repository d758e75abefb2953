#pragma once

#include "image/Record.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <ostream>

/** A record from hexadecimal bytes such as "50 62 25 46 FF ...". */
inline Record RecordFromHex(const char* hex) {
    const QByteArray bytes = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    Record r{};
    for (int i = 0; i < kRecordSize && i < bytes.size(); ++i)
        r[static_cast<size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
    return r;
}

inline QString RecordToHex(const Record& r) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(r.data()), kRecordSize).toHex(' ').toUpper());
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write test file");
    f.write(bytes);
}

inline QByteArray ReadFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
