#pragma once

#include "common/core/canvas.h"
#include "common/core/colour.h"
#include "common/core/selection_band.h"
#include "common/core/shape_drawers.h"

namespace skt {

// The figures of a schematic in device pixels. The same drawers serve the
// full redraw (copy pen, element colours), the preview of what is in hand
// (not-xor pen, preview colour) and the printed page (black pen).

// A straight line `width` pixels wide (at least 1). The line style is left
// as the caller set it, so that dotted lines come out dashed.
void DrawSegment(int x1, int y1, int x2, int y2, int width, common::Colour colour,
                 common::DrawMode mode, common::Canvas& canvas);

// A filled square of half side `half` centred on (x, y).
void DrawJunction(int x, int y, int half, common::Colour colour, common::DrawMode mode,
                  common::Canvas& canvas);

// A circle outline, one pixel wide on the screen.
void DrawCircle(int x, int y, int r, common::Colour colour, common::DrawMode mode,
                common::Canvas& canvas);

// Texts in hand show as their box; the selection frame is the shared band.
using common::DrawSelectionBand;
using common::DrawTextBox;

}  // namespace skt
