#pragma once

#include <QString>

/** The embedded message: two lines of up to 32 characters each. */
class TEnMsg {
  public:
    static constexpr int kLineLength = 32;

    void Clear() {
        Line1.clear();
        Line2.clear();
    }
    bool operator==(const TEnMsg&) const = default;

    QString Line1;
    QString Line2;
};
