#pragma once

#include <QString>

#include <optional>

/** TX power, as the item index of the power list: Low first. */
enum class Power : int { Low = 0, High = 1 };
/** Bandwidth, as the item index of the bandwidth list: Wide first. */
enum class Bandwidth : int { Wide = 0, Narrow = 1 };
/** Scan Add, Beat Shift and Busy Lockout, as the item index of the yes/no list: Yes first. */
enum class YesNo : int { Yes = 0, No = 1 };

/** A switch's item index, as the lists and the channel table's cell values count it. */
template <class Switch> constexpr int ItemOf(Switch value) {
    return static_cast<int>(value);
}
/** The switch at an item index. */
template <class Switch> constexpr Switch FromItem(int item) {
    return static_cast<Switch>(item);
}

/** The values of one channel. */
struct ChannelValues {
    double rx = 0.0;          // MHz
    std::optional<double> tx; // MHz; none for a channel without transmit frequency
    QString decodeTone;       // tone text, empty for no tone
    QString encodeTone;       // tone text, empty for no tone
    Power power = Power::Low;
    Bandwidth bandwidth = Bandwidth::Wide;
    YesNo scanAdd = YesNo::Yes;
    YesNo beatShift = YesNo::Yes;
    YesNo busyLockout = YesNo::Yes;
    bool operator==(const ChannelValues&) const = default;
};
