#pragma once

#include "Codeplug.h"
#include "app/Result.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

class TFrqList;
class TMacList;

/**
 * The codeplug as JSON for scripts: model, band, the channels in use, the
 * fifteen settings as stored integers and the two message lines. Reading is
 * strict, since a script has no one to warn: anything the data file could not
 * hold exactly is refused with a sentence naming the channel or field.
 */
class CodeplugJson {
  public:
    static QByteArray Write(const Codeplug& codeplug);

    struct Parsed {
        Codeplug codeplug;
        /** Frequencies moved down onto the channel raster. */
        QStringList warnings;
    };
    /** Reads a codeplug; refused, with nothing kept, at the first thing the data file could not
     * hold. */
    static Result<Parsed> Read(const QByteArray& json, const TMacList& models,
                               const TFrqList& bands);

    /** The built-in English items of the switch lists, by switch name. */
    static QStringList SwitchItems(const QString& name);
};
