#pragma once

#include "common/core/colour.h"
#include "common/core/geometry.h"

namespace common {

enum class DrawMode {
  CopyPen,     // draw in the given colour
  NotXorPen,   // not (source xor destination): drawing twice restores the surface
  PaintBlack,  // printer: everything drawn comes out black
  PaintWhite,  // printer: everything drawn comes out white
};

enum class LineStyle { Solid, Dash, Dot };
enum class FillStyle { Solid, Transparent };

// A drawing surface in integer device units (drawing-area pixels, printer
// dots or the clipboard picture). Lines are drawn with the current width,
// style and draw mode; boxes and circles are outlined in the given colour and
// filled with the fill colour when the fill style is solid.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void Clear() = 0;
  virtual void SetPixel(int x, int y, Colour colour) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2, Colour colour) = 0;
  virtual void DrawBox(int x1, int y1, int x2, int y2, Colour colour) = 0;
  // aspect: height / width of the ellipse; 1 for a circle. For aspect > 1
  // the radius is the vertical half-axis, otherwise the horizontal one.
  virtual void DrawCircle(int cx, int cy, int radius, Colour colour, double aspect = 1.0) = 0;

  virtual void SetDrawMode(DrawMode mode) = 0;
  virtual void SetLineWidth(int width) = 0;
  virtual void SetLineStyle(LineStyle style) = 0;
  virtual void SetFillStyle(FillStyle style) = 0;
  virtual void SetFillColour(Colour colour) = 0;

  // The system colour of highlighted text (grid points, centre mark).
  virtual Colour HighlightColour() const = 0;

  // The size of a printer's printable area, in its pixels; 0 by 0 on
  // surfaces that have no page.
  virtual PixelSize PageSize() const { return {}; }

  // Foreground colour and current point: plain state, kept here so every
  // surface behaves alike. The stroke font draws from the current point.
  void SetForeColour(Colour colour) { foreColour_ = colour; }
  Colour ForeColour() const { return foreColour_; }
  void SetCurrentPoint(double x, double y) { currentX_ = x, currentY_ = y; }
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }

 private:
  Colour foreColour_ = 0;
  double currentX_ = 0.0;
  double currentY_ = 0.0;
};

}  // namespace common
