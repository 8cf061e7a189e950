#pragma once

#include "common/core/canvas.h"
#include "common/core/rounding.h"

namespace common {

// A canvas seen through a shift: what is drawn at (x, y) lands on the
// target at (x - originX, y - originY). Draws a part of the drawing into a
// picture whose top-left corner is that origin.
class OffsetCanvas : public Canvas {
 public:
  OffsetCanvas(Canvas& target, int originX, int originY)
      : target_(target), originX_(originX), originY_(originY) {}

  void Clear() override { target_.Clear(); }
  void SetPixel(int x, int y, Colour colour) override { target_.SetPixel(X(x), Y(y), colour); }
  void DrawLine(int x1, int y1, int x2, int y2, Colour colour) override {
    target_.DrawLine(X(x1), Y(y1), X(x2), Y(y2), colour);
  }
  void DrawBox(int x1, int y1, int x2, int y2, Colour colour) override {
    target_.DrawBox(X(x1), Y(y1), X(x2), Y(y2), colour);
  }
  void DrawCircle(int cx, int cy, int radius, Colour colour, double aspect = 1.0) override {
    target_.DrawCircle(X(cx), Y(cy), radius, colour, aspect);
  }
  void SetDrawMode(DrawMode mode) override { target_.SetDrawMode(mode); }
  void SetLineWidth(int width) override { target_.SetLineWidth(width); }
  void SetLineStyle(LineStyle style) override { target_.SetLineStyle(style); }
  void SetFillStyle(FillStyle style) override { target_.SetFillStyle(style); }
  void SetFillColour(Colour colour) override { target_.SetFillColour(colour); }
  Colour HighlightColour() const override { return target_.HighlightColour(); }

 private:
  // Saturating: a far element must not wrap around into the picture.
  int X(int x) const { return Shift(x, originX_); }
  int Y(int y) const { return Shift(y, originY_); }
  static int Shift(int value, int origin) { return SaturatingAdd(value, -static_cast<long long>(origin)); }

  Canvas& target_;
  int originX_;
  int originY_;
};

}  // namespace common
