#pragma once

#include "TBWriteRead.h"
#include "model/TEnMsg.h"
#include "model/TFun.h"

#include <QString>

#include <optional>
#include <vector>

class TMacType;

/**
 * A whole codeplug apart from the application: what a data file or a radio
 * holds, decoded, or what the channel table and the records hold, captured
 * for encoding. Channels are indexed from 0 for channel 1; an empty slot is
 * none.
 */
struct Codeplug {
    /** The model whose layout the records follow. */
    const TMacType* model = nullptr;
    /** The code in the header tag and the band record. */
    QString modelCode;
    QString bandText;
    double bandLow = 0.0;
    double bandHigh = 0.0;
    TFun fun;
    TEnMsg message;
    std::vector<std::optional<ChannelValues>> channels;
};
