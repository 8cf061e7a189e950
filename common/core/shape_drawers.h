#pragma once

#include "common/core/canvas.h"
#include "common/core/colour.h"

namespace common {

// Figures both programs draw alike, in device pixels: on the screen with the
// copy or the inverting pen, on paper with the black pen. Each one sets the
// width, fill and mode it needs, draws with a solid line and leaves the fill
// transparent, so it works whatever was drawn before.

// Draw mode, a solid line style and `width` pixels, at least 1.
void SetSolidPen(Canvas& canvas, DrawMode mode, int width);

// A box outlined one pixel wide and filled, both in `colour`.
void DrawFilledBox(int x1, int y1, int x2, int y2, Colour colour, DrawMode mode, Canvas& canvas);

// A circle outline `lineWidth` pixels wide (at least 1).
void DrawCircle(int x, int y, int r, int lineWidth, Colour colour, DrawMode mode, Canvas& canvas);

// The box of a text in hand, instead of its letters: a thin inverting outline.
// The pen is left inverting.
void DrawTextBox(int x1, int y1, int x2, int y2, Colour previewColour, Canvas& canvas);

}  // namespace common
