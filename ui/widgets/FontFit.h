#pragma once

#include <QStringList>

class QFontMetrics;

/**
 * The sizes the windows give in pixels are minimums: at a larger font or a
 * higher resolution they grow so that their texts are shown whole.
 */
namespace FontFit {

/** The width a cell needs to show the widest of texts whole, at least minimum pixels. */
int Width(const QFontMetrics& metrics, const QStringList& texts, int minimum);
/** The height a line of text needs, at least minimum pixels. */
int LineHeight(const QFontMetrics& metrics, int minimum);

} // namespace FontFit
