#pragma once

#include <QString>

/** How messages show what the user or a file gave. */
namespace MessageText {

/** Characters of an input a message quotes at the most. */
constexpr int kQuoteLimit = 40;

/**
 * Input as a message quotes it: control characters and terminal escapes
 * shown escaped ("\n", "\x1B"), never raw, and cut to limit characters with
 * "…" after them.
 */
QString Quoted(const QString& input, int limit = kQuoteLimit);

/** A file's path as a message names it: whole, its control characters escaped. */
QString Path(const QString& path);

/** A count of bytes in words: "1 byte", "992 bytes". */
QString Bytes(qint64 count);

} // namespace MessageText
