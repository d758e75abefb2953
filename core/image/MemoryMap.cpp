#include "MemoryMap.h"

#include "Record.h"
#include "model/TMacType.h"

#include <stdexcept>

MemoryMap::MemoryMap(int channelCount, int reservedSlots)
    : m_channels(channelCount), m_reserved(reservedSlots) {
    const int c = channelCount;
    const int s = reservedSlots;
    auto add = [this](RecordKind kind, int index, int radioAddress) {
        m_fileOrder.push_back({kind, index, static_cast<int>(m_fileOrder.size()), radioAddress});
    };
    add(RecordKind::Header, 0, 0);
    for (int n = 1; n <= c; ++n)
        add(RecordKind::Channel, n, kRecordSize * n);
    for (int k = 1; k < s; ++k)
        add(RecordKind::Reserved, k, -1);
    add(RecordKind::OptionSettings, 0, kOptionAddress);
    for (int part = 0; part < 4; ++part)
        add(RecordKind::Message, part, kRecordSize * (c + s + 1 + part));
    add(RecordKind::BasicSettings, 0, kRecordSize * (c + s + 5));
    add(RecordKind::Band, 0, kRecordSize * (c + s + 6));
    if (HasBitmaps()) {
        add(RecordKind::UsedBitmap, 0, kBitmapAddress);
        add(RecordKind::UsedBitmap, 1, kBitmapAddress + kRecordSize);
        add(RecordKind::ScanBitmap, 0, kBitmapAddress + 2 * kRecordSize);
        add(RecordKind::ScanBitmap, 1, kBitmapAddress + 3 * kRecordSize);
    }
}

MemoryMap MemoryMap::ForModel(const TMacType& model) {
    return MemoryMap(model.ChannelCount, model.ReservedSlots);
}

int MemoryMap::FileSize() const {
    return FileRecordCount() * kRecordSize;
}

std::vector<MapEntry> MemoryMap::ReadOrder() const {
    std::vector<MapEntry> order;
    order.push_back(Find(RecordKind::Header));
    for (int n = 1; n <= m_channels; ++n)
        order.push_back(Find(RecordKind::Channel, n));
    for (int part = 0; part < 4; ++part)
        order.push_back(Find(RecordKind::Message, part));
    order.push_back(Find(RecordKind::BasicSettings));
    order.push_back(Find(RecordKind::Band));
    order.push_back(Find(RecordKind::OptionSettings));
    return order;
}

std::vector<MapEntry> MemoryMap::WriteOrder() const {
    std::vector<MapEntry> order = ReadOrder();
    for (const MapEntry& e : m_fileOrder)
        if (e.kind == RecordKind::UsedBitmap || e.kind == RecordKind::ScanBitmap)
            order.push_back(e);
    return order;
}

const MapEntry& MemoryMap::Find(RecordKind kind, int index) const {
    for (const MapEntry& e : m_fileOrder)
        if (e.kind == kind && e.index == index)
            return e;
    throw std::out_of_range("no such record in the memory map");
}
