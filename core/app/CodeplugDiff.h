#pragma once

#include "FieldNames.h"
#include "image/Codeplug.h"

#include <QString>

#include <vector>

class TFrqList;
class TMacList;

/** The fields in which two codeplugs differ, each with both values as the windows show them. */
class CodeplugDiff {
  public:
    struct Difference {
        /** The channel (from 1) of a channel's field; 0 for the model, band, settings, message. */
        int channel = 0;
        /** The channel table column of a channel's field; 0 otherwise. */
        int column = 0;
        /** The field as the windows name it: "channel 3 TX Frequency", "Squelch level". */
        QString field;
        QString before;
        QString after;
        /** "channel 3 TX Frequency: 438.50000 -> 438.52500". */
        QString Text() const;
        bool operator==(const Difference&) const = default;
    };

    /**
     * Field by field, in the order the windows show them: model, band, each
     * channel's columns (a channel in use on one side only is one difference,
     * in its RX Frequency), each function setting in the printout's order,
     * the two message lines.
     */
    static std::vector<Difference> Compare(const Codeplug& before, const Codeplug& after,
                                           const FieldNames& names);

    /**
     * What a faithful radio gives back when read after written was written to
     * it: the records a write sends, decoded as a read decodes them, with the
     * read's range check of the settings. Throws CodecError as a write would.
     */
    static Codeplug AsReadBack(const Codeplug& written, const TFrqList& bands,
                               const TMacList& models);

    /**
     * What a data file saved from codeplug holds when it is opened again.
     * Throws CodecError as a save would.
     */
    static Codeplug AsSaved(const Codeplug& codeplug, const TFrqList& bands,
                            const TMacList& models);
};
