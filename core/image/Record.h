#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <stdexcept>

/** One 16-byte record of the memory image. */
using Record = std::array<std::uint8_t, 16>;

inline constexpr int kRecordSize = 16;

/** A value that a record cannot hold; the message names the value. */
class CodecError : public std::runtime_error {
  public:
    explicit CodecError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
