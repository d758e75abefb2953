#pragma once

#include <QString>

#include <stdexcept>

/** A value that a record cannot hold; the message names the value. */
class CodecError : public std::runtime_error {
  public:
    explicit CodecError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
