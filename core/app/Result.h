#pragma once

#include <QString>

#include <optional>
#include <utility>

/**
 * What every reader, parser and writer of the core gives back: its value, or
 * the failure, a sentence naming the file or field and the problem, with a
 * code where a caller must tell one failure from another. A caller tests it
 * as a bool, then takes the value or the error. (Only the codec throws: an
 * encoder refuses a value a record cannot hold with CodecError.)
 */
template <class T> class Result {
  public:
    Result(T value) : m_value(std::move(value)) {}
    static Result Failure(QString error, int code = 0) { return Result(std::move(error), code); }

    explicit operator bool() const { return m_value.has_value(); }
    /** The value; taking it from a failure throws std::bad_optional_access. */
    const T& value() const { return m_value.value(); }
    T& value() { return m_value.value(); }
    const T* operator->() const { return &m_value.value(); }
    T* operator->() { return &m_value.value(); }
    const T& operator*() const { return m_value.value(); }
    /** The failure's sentence; empty on success. */
    const QString& error() const { return m_error; }
    /** What kind of failure, where the reader names kinds; 0 otherwise. */
    int code() const { return m_code; }

  private:
    Result(QString error, int code) : m_error(std::move(error)), m_code(code) {}

    std::optional<T> m_value;
    QString m_error;
    int m_code = 0;
};

/** The result of a writer, which gives nothing back but its success. */
template <> class Result<void> {
  public:
    static Result Ok() { return Result(); }
    static Result Failure(QString error, int code = 0) {
        Result r;
        r.m_failed = true;
        r.m_error = std::move(error);
        r.m_code = code;
        return r;
    }

    explicit operator bool() const { return !m_failed; }
    const QString& error() const { return m_error; }
    int code() const { return m_code; }

  private:
    Result() = default;

    bool m_failed = false;
    QString m_error;
    int m_code = 0;
};
