#pragma once

#include "common/core/canvas.h"
#include "common/core/viewport.h"

#include <cstdint>

namespace common {

// Where the drawing area Picture2 lies in the visible Picture1: the grid is
// drawn over the visible part only.
struct VisibleArea {
  std::int32_t Picture2Left = 0;
  std::int32_t Picture2Top = 0;
  std::int32_t Picture1Width = 0;
  std::int32_t Picture1Height = 0;
};

// The grid dots only help when they are far enough apart and the view is
// not being scrolled.
bool GridIsShown(const Viewport& viewport);

// The cross at the middle of the sheet, always drawn.
void DrawCentreMark(const Viewport& viewport, Canvas& canvas);

// Grid dots over the part of the drawing area visible in Picture1, given
// Picture2's position inside Picture1 and Picture1's size.
void DrawGrid(const Viewport& viewport, std::int32_t picture2Left, std::int32_t picture2Top,
              std::int32_t picture1Width, std::int32_t picture1Height, Canvas& canvas);

// The start of every full redraw, after clearing and setting the copy pen.
void DrawGridAndCentreMark(const Viewport& viewport, std::int32_t picture2Left,
                           std::int32_t picture2Top, std::int32_t picture1Width,
                           std::int32_t picture1Height, Canvas& canvas);

}  // namespace common
