#pragma once

#include "Codeplug.h"
#include "Record.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TFrqList;
class TMacList;

/** The data file (.dat): the records of the memory image in file order. */
class DataFile {
  public:
    struct Encoded {
        QByteArray bytes;
        /** One "0"/"1" per channel: in use, and in use with Scan Add value 1. */
        QString usedBits;
        QString scanBits;
    };

    /** Throws CodecError when a value cannot be stored. */
    static Encoded Encode(const Codeplug& codeplug, const TFrqList& bands,
                          const QDateTime& saveTime);

    enum class Failure { None, CannotRead, UnknownModel, TooShort };
    struct Decoded {
        Failure failure = Failure::None;
        /** A sentence naming the file and the problem. */
        QString error;
        HeaderValues header;
        Codeplug codeplug;
    };

    /** Decodes a whole file; nothing of it is used unless failure is None. */
    static Decoded Decode(const QByteArray& bytes, const QString& path, const TMacList& models,
                          const TFrqList& bands);
    static Decoded Read(const QString& path, const TMacList& models, const TFrqList& bands);

    /**
     * Writes bytes to path through a temporary file in the same folder that is
     * renamed over the target, so a failure leaves the old file as it was.
     * Returns an empty text on success, else a sentence naming the file.
     */
    static QString WriteAtomically(const QString& path, const QByteArray& bytes);

    /** The header's save time: SOURCE_DATE_EPOCH as local time when set, else now. */
    static QDateTime SaveTime();
};
