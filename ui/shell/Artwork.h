#pragma once

#include <QIcon>
#include <QPixmap>

/** The program's own pictures, drawn as SVG in the resources. */
namespace Artwork {

/** Image number index (0 to 8) of the tool bar's image list. */
QIcon ToolImage(int index);
/** The 200 x 150 background picture "PIC". */
QPixmap Background();
QIcon AppIcon();
/** Registers the pictures and the manuals with the resource system. */
void EnsureResources();

} // namespace Artwork
