#pragma once

#include <vector>

class TMacType;

enum class RecordKind {
    Header,
    Channel,
    Reserved,
    OptionSettings,
    Message,
    BasicSettings,
    Band,
    UsedBitmap,
    ScanBitmap,
};

/** Where one record stands in the data file and in the radio. */
struct MapEntry {
    RecordKind kind;
    /** Channel number (from 1), message part (0 to 3) or bitmap part (0, 1); 0 otherwise. */
    int index;
    int fileRecord;
    /** Byte address in the radio; -1 for a record no session transfers. */
    int radioAddress;
};

/**
 * The memory map of a model with C channels and S reserved slots: the order
 * of the records in the data file and the radio address of each record a
 * read or write session transfers.
 */
class MemoryMap {
  public:
    static constexpr int kOptionAddress = 0x2B0;
    static constexpr int kBitmapAddress = 0x2C0;
    /** Models with more channels than this carry the bitmap records. */
    static constexpr int kBitmapThreshold = 16;

    MemoryMap(int channelCount, int reservedSlots);
    static MemoryMap ForModel(const TMacType& model);

    int ChannelCount() const { return m_channels; }
    int ReservedSlots() const { return m_reserved; }
    bool HasBitmaps() const { return m_channels > kBitmapThreshold; }
    int FileRecordCount() const { return static_cast<int>(m_fileOrder.size()); }
    int FileSize() const;

    /** Every record in data file order. */
    const std::vector<MapEntry>& FileOrder() const { return m_fileOrder; }
    /** The records a read session asks for, in order: record 0, channels, messages,
     *  basic settings, band, option settings. */
    std::vector<MapEntry> ReadOrder() const;
    /** The records a write session sends, in order: the read order plus the bitmaps. */
    std::vector<MapEntry> WriteOrder() const;

    const MapEntry& Find(RecordKind kind, int index = 0) const;

  private:
    int m_channels;
    int m_reserved;
    std::vector<MapEntry> m_fileOrder;
};
