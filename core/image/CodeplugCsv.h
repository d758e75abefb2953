#pragma once

#include "TBWriteRead.h"
#include "app/Result.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

class TMacType;

/**
 * The channels as a CSV channel list in the column layout that the common
 * multi-radio programming tools exchange, with two columns of our own at the
 * end (BeatShift, BusyLockout). Other tools' files are read too: columns in
 * any order, missing optional columns, extra columns, quoting, a byte-order
 * mark and CR LF line ends.
 */
class CodeplugCsv {
  public:
    /** The header line's columns, in the order they are written. */
    static const QStringList& Columns();

    /** The header and one line per channel in use, CR LF after each line. */
    static QByteArray Write(const std::vector<std::optional<ChannelValues>>& channels);

    /** A line that gives no channel, and why. */
    struct Problem {
        int line = 0;
        QString message;
        /** "line N: message". */
        QString text() const;
    };
    struct Parsed {
        /** One slot per channel of the model; the lines that gave a channel fill theirs. */
        std::vector<std::optional<ChannelValues>> channels;
        QList<Problem> invalid;
        /** Frequencies moved down onto the channel raster, with their lines. */
        QStringList warnings;
        /** The number of channels the lines gave. */
        int ChannelsGiven() const;
    };
    /**
     * Reads a channel list for the given model, whose limits and channel count
     * apply; refused when the text is no channel list at all. A line that gives
     * no channel is one of the result's invalid lines, not a failure.
     */
    static Result<Parsed> Read(const QByteArray& csv, const TMacType& model);
};
