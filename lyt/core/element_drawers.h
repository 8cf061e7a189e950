#pragma once

#include "common/core/canvas.h"
#include "common/core/colour.h"
#include "common/core/selection_band.h"
#include "common/core/shape_drawers.h"

namespace lyt {

// One drawer per element kind, in drawing-area pixels. The same drawers serve
// the board (copy pen, layer colour) and the preview of what is in hand
// (not-xor pen, preview colour), so each one sets the width, fill and mode it
// needs and leaves the fill transparent.

// A line with rounded ends; `width` below 1 is drawn 1 pixel wide.
void DrawTrack(int x1, int y1, int x2, int y2, int width, common::Colour colour,
               common::DrawMode mode, common::Canvas& canvas);

// A disc of radius `r`.
void DrawRoundPad(int x, int y, int r, common::Colour colour, common::DrawMode mode,
                  common::Canvas& canvas);

// A square of half side `r`.
void DrawSquarePad(int x, int y, int r, common::Colour colour, common::DrawMode mode,
                   common::Canvas& canvas);

// An ellipse 4r by 2r, long axis horizontal at 0 or 180 degrees and vertical
// at 90 or 270; any other angle draws nothing.
void DrawOvalPad(int x, int y, int r, common::Colour colour, common::DrawMode mode, int angle,
                 common::Canvas& canvas);

// A rectangle 4r by 2r, oriented as the oval pad.
void DrawRectPad(int x, int y, int r, common::Colour colour, common::DrawMode mode, int angle,
                 common::Canvas& canvas);

// A drill: a circle of radius `r` filled with `fillColour`, crossed by two
// arms reaching 1.5 r from the centre.
void DrawHole(int x, int y, int r, common::Colour colour, common::Colour fillColour,
              common::DrawMode mode, common::Canvas& canvas);

// Circle outlines, text boxes and the selection band are drawn as in the
// schematic.
using common::DrawCircle;
using common::DrawSelectionBand;
using common::DrawTextBox;

}  // namespace lyt
