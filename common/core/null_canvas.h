#pragma once

#include "common/core/canvas.h"

namespace common {

// A canvas that keeps nothing: for drawing done without a window, where only
// the drawing's side effects (problems found, time taken) matter.
class NullCanvas : public Canvas {
 public:
  void Clear() override {}
  void SetPixel(int, int, Colour) override {}
  void DrawLine(int, int, int, int, Colour) override {}
  void DrawBox(int, int, int, int, Colour) override {}
  void DrawCircle(int, int, int, Colour, double) override {}
  void SetDrawMode(DrawMode) override {}
  void SetLineWidth(int) override {}
  void SetLineStyle(LineStyle) override {}
  void SetFillStyle(FillStyle) override {}
  void SetFillColour(Colour) override {}
  Colour HighlightColour() const override { return 0; }
};

}  // namespace common
