#pragma once

#include "app/Result.h"

#include <QString>
#include <QStringList>

#include <vector>

/**
 * Comma-separated values as spreadsheets and other radio tools write them:
 * fields split at commas; a field in double quotes may hold commas, line
 * breaks and doubled quotes; CR LF, LF or a lone CR ends a record; a
 * byte-order mark at the start is skipped and blank lines give no record.
 */
class CsvReader {
  public:
    struct Row {
        /** The line of the text, from 1, on which the record starts. */
        int line = 0;
        QStringList fields;
    };
    /** The records of the text; refused when a quoted field is still open at its end. */
    static Result<std::vector<Row>> Parse(const QString& text);

    /** A field as a writer puts it: quoted when it holds a comma, a quote or a line break. */
    static QString Quote(const QString& field);
};
