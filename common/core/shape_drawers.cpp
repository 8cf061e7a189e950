#include "common/core/shape_drawers.h"

#include <algorithm>

namespace common {

void SetSolidPen(Canvas& canvas, DrawMode mode, int width) {
  canvas.SetDrawMode(mode);
  canvas.SetLineWidth(std::max(1, width));
  canvas.SetLineStyle(LineStyle::Solid);
}

void DrawFilledBox(int x1, int y1, int x2, int y2, Colour colour, DrawMode mode, Canvas& canvas) {
  SetSolidPen(canvas, mode, 1);
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.SetFillColour(colour);
  canvas.DrawBox(x1, y1, x2, y2, colour);
  canvas.SetFillStyle(FillStyle::Transparent);
}

void DrawCircle(int x, int y, int r, int lineWidth, Colour colour, DrawMode mode, Canvas& canvas) {
  SetSolidPen(canvas, mode, lineWidth);
  canvas.SetFillStyle(FillStyle::Transparent);
  canvas.DrawCircle(x, y, r, colour, 1.0);
}

void DrawTextBox(int x1, int y1, int x2, int y2, Colour previewColour, Canvas& canvas) {
  SetSolidPen(canvas, DrawMode::NotXorPen, 1);
  canvas.SetFillStyle(FillStyle::Transparent);
  canvas.DrawBox(x1, y1, x2, y2, previewColour);
}

}  // namespace common
