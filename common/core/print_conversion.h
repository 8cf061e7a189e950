#pragma once

#include "common/core/viewport.h"

#include <cstdint>

namespace common {

// Document millimetres to printer pixels, for the board and the schematic
// alike. A length first goes through the view's own conversion at Zoom 16, as
// the screen would draw it there, then is stretched by kx (x axis) or ky
// (y axis), the printer pixels per such screen pixel, and by the scale: 1 mm
// of the document is `scale` mm of paper.
class PrintConversion {
 public:
  static constexpr std::int32_t PrintZoom = 16;

  // `mmPerPixelX` and `mmPerPixelY`: the size of one printer pixel.
  PrintConversion(const Viewport& view, double mmPerPixelX, double mmPerPixelY, float scale);

  std::int32_t X(float mm) const;
  std::int32_t Y(float mm) const;
  // Widths, radii and text heights are measured along x, at least 1 pixel.
  std::int32_t Size(float mm) const;

  double Kx() const { return kx_; }
  double Ky() const { return ky_; }
  float Scale() const { return scale_; }
  // Printer pixels per millimetre of the document, along x.
  double PixelsPerMm() const { return view_.Scale * kx_ * scale_; }

 private:
  // A copy: the window's view keeps its own zoom while the page is drawn,
  // even if the window repaints meanwhile.
  Viewport view_;
  double kx_;
  double ky_;
  float scale_;
};

}  // namespace common
