#pragma once

#include "Codeplug.h"
#include "MemoryMap.h"
#include "Record.h"

#include <QDateTime>
#include <QString>

#include <utility>
#include <vector>

class TFrqList;
class TMacList;

/**
 * Turns a codeplug into the records of its memory map, one at a time in map
 * order, building the in-use and scan bitmaps as the channel records pass.
 * For the radio, record 0 is a blank record instead of the file header.
 */
class RecordEncoder {
  public:
    enum class Target { File, Radio };

    RecordEncoder(const Codeplug& codeplug, const TFrqList& bands, Target target,
                  QDateTime saveTime = {});

    /** Throws CodecError when a value cannot be stored. */
    Record Encode(const MapEntry& entry);

    /** The records a write sends, in sending order, with their map entries; throws CodecError. */
    std::vector<std::pair<MapEntry, Record>> WriteRecords();

    /** One "0"/"1" per channel encoded so far: in use; in use with Scan Add value 1. */
    const QString& UsedBits() const { return m_usedBits; }
    const QString& ScanBits() const { return m_scanBits; }

  private:
    const Codeplug& m_codeplug;
    const TFrqList& m_bands;
    Target m_target;
    QDateTime m_saveTime;
    QString m_usedBits;
    QString m_scanBits;
};

/**
 * Gathers decoded records into a codeplug of the given model. The band record
 * sets the model code and the band; settings are taken as they are stored.
 * A band record whose model code names no catalogue model (a blank radio's
 * 0xFF bytes) leaves the model's own code, so that what is saved can be
 * opened again.
 */
class RecordDecoder {
  public:
    RecordDecoder(const TMacType& model, const TFrqList& bands, const TMacList& models);

    void Decode(const MapEntry& entry, const Record& record);
    Codeplug Result() const;

  private:
    const TFrqList& m_bands;
    const TMacList& m_models;
    Codeplug m_codeplug;
    QString m_messageParts[4];
};
