#pragma once

#include "Codeplug.h"
#include "Record.h"
#include "app/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

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

    /**
     * Saves codeplug as a data file at path, with the header's save time,
     * atomically; refused when a value cannot be stored or the file cannot
     * be written, with nothing written then.
     */
    static Result<void> Write(const QString& path, const Codeplug& codeplug, const TFrqList& bands);

    /** Why a data file was refused: the code of the failed Result. */
    enum Failure { CannotRead = 1, UnknownModel, TooShort };
    /** What a data file holds, decoded. */
    struct Contents {
        HeaderValues header;
        Codeplug codeplug;
    };

    /** Decodes a whole file; a failure names the file and the problem. */
    static Result<Contents> Decode(const QByteArray& bytes, const QString& path,
                                   const TMacList& models, const TFrqList& bands);
    /** Reads a data file, no further than the records a data file of any model holds. */
    static Result<Contents> Read(const QString& path, const TMacList& models,
                                 const TFrqList& bands);

    /**
     * The header's save time: SOURCE_DATE_EPOCH as local time when set, else
     * now. Refused when SOURCE_DATE_EPOCH is not a whole number of seconds or
     * names a time the header cannot hold (beyond the year 9999).
     */
    static Result<QDateTime> SaveTime();
};
