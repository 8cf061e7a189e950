#include "lyt/core/element_drawers.h"

#include "common/core/rounding.h"

#include <cstdint>
#include <limits>

namespace lyt {
namespace {

using common::Canvas;
using common::Colour;
using common::DrawFilledBox;
using common::DrawMode;
using common::FillStyle;
using common::SetSolidPen;

int Offset(int base, std::int64_t delta) { return common::SaturatingAdd(base, delta); }

// base - r, where r may be the smallest int, whose negation an int cannot hold.
int Back(int base, int r) { return Offset(base, -static_cast<std::int64_t>(r)); }

int Twice(int r) { return Offset(0, 2 * static_cast<std::int64_t>(r)); }

bool IsLengthwise(int angle) { return angle == 0 || angle == 180; }
bool IsUpright(int angle) { return angle == 90 || angle == 270; }

// Pads have their outline in their fill colour: one solid shape.
void SetSolidFill(Canvas& canvas, Colour colour) {
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.SetFillColour(colour);
}

void SetNoFill(Canvas& canvas) { canvas.SetFillStyle(FillStyle::Transparent); }

void DrawSolidEllipse(int x, int y, int radius, double aspect, Colour colour, DrawMode mode,
                      Canvas& canvas) {
  SetSolidPen(canvas, mode, 1);
  SetSolidFill(canvas, colour);
  canvas.DrawCircle(x, y, radius, colour, aspect);
  SetNoFill(canvas);
}

}  // namespace

void DrawTrack(int x1, int y1, int x2, int y2, int width, Colour colour, DrawMode mode,
               Canvas& canvas) {
  SetSolidPen(canvas, mode, width);
  SetNoFill(canvas);
  canvas.DrawLine(x1, y1, x2, y2, colour);
}

void DrawRoundPad(int x, int y, int r, Colour colour, DrawMode mode, Canvas& canvas) {
  DrawSolidEllipse(x, y, r, 1.0, colour, mode, canvas);
}

void DrawSquarePad(int x, int y, int r, Colour colour, DrawMode mode, Canvas& canvas) {
  DrawFilledBox(Back(x, r), Back(y, r), Offset(x, r), Offset(y, r), colour, mode, canvas);
}

// The canvas takes the longer half-axis as the radius: 2r, the shorter being r.
void DrawOvalPad(int x, int y, int r, Colour colour, DrawMode mode, int angle, Canvas& canvas) {
  if (IsLengthwise(angle)) DrawSolidEllipse(x, y, Twice(r), 0.5, colour, mode, canvas);
  if (IsUpright(angle)) DrawSolidEllipse(x, y, Twice(r), 2.0, colour, mode, canvas);
}

void DrawRectPad(int x, int y, int r, Colour colour, DrawMode mode, int angle, Canvas& canvas) {
  const int along = Twice(r);
  if (IsLengthwise(angle))
    DrawFilledBox(Back(x, along), Back(y, r), Offset(x, along), Offset(y, r), colour, mode, canvas);
  if (IsUpright(angle))
    DrawFilledBox(Back(x, r), Back(y, along), Offset(x, r), Offset(y, along), colour, mode, canvas);
}

void DrawHole(int x, int y, int r, Colour colour, Colour fillColour, DrawMode mode,
              Canvas& canvas) {
  SetSolidPen(canvas, mode, 1);
  SetSolidFill(canvas, fillColour);
  canvas.DrawCircle(x, y, r, colour, 1.0);
  SetNoFill(canvas);
  const int d = common::RoundHalfEven(1.5 * r);
  canvas.DrawLine(Back(x, d), y, Offset(x, d), y, colour);
  canvas.DrawLine(x, Back(y, d), x, Offset(y, d), colour);
}

}  // namespace lyt
