#pragma once

#include <QString>

#include <array>

/**
 * Sixteen test frequency pairs held as texts in MHz with five decimals. They
 * live in memory for the run only: no file and no radio carries them.
 */
class TTestFre {
  public:
    static constexpr int kRows = 16;

    TTestFre();

    std::array<QString, kRows> RxFreq;
    std::array<QString, kRows> TxFreq;
};
