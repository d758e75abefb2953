#include "FontFit.h"

#include <QFontMetrics>

#include <algorithm>

namespace FontFit {

namespace {

constexpr int kCellMargin = 6; // each side of a cell's text, frame and grid line included
constexpr int kLinePadding = 4;

} // namespace

int Width(const QFontMetrics& metrics, const QStringList& texts, int minimum) {
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return std::max(minimum, widest + 2 * kCellMargin);
}

int LineHeight(const QFontMetrics& metrics, int minimum) {
    return std::max(minimum, metrics.height() + kLinePadding);
}

} // namespace FontFit
