#pragma once

#include "common/core/canvas.h"
#include "common/core/colour.h"

namespace common {

// The area-selection rectangle of both editors: one pixel wide, dotted and
// inverting, so drawing it again erases it. Leaves the line style solid.
void DrawSelectionBand(int x1, int y1, int x2, int y2, Colour previewColour, Canvas& canvas);

}  // namespace common
