#include "TTestFre.h"

TTestFre::TTestFre() {
    const char* defaults[][2] = {
        {"460.05000", "460.10000"}, {"440.05000", "440.10000"}, {"479.95000", "479.90000"},
        {"460.00000", "460.00000"}, {"460.20000", "460.20000"}, {"460.40000", "460.40000"},
    };
    int row = 0;
    for (const auto& pair : defaults) {
        RxFreq[static_cast<size_t>(row)] = QString::fromLatin1(pair[0]);
        TxFreq[static_cast<size_t>(row)] = QString::fromLatin1(pair[1]);
        ++row;
    }
}
