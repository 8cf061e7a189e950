#include "common/core/print_conversion.h"

#include "common/core/rounding.h"

#include <algorithm>

namespace common {

PrintConversion::PrintConversion(const Viewport& view, double mmPerPixelX, double mmPerPixelY,
                                 float scale)
    : view_(view), kx_(0.0), ky_(0.0), scale_(scale) {
  view_.Zoom = PrintZoom;
  view_.Scale = view_.ScaleForZoom();
  const double mmPerScreenPixel = 1.0 / view_.Scale;
  kx_ = mmPerScreenPixel / mmPerPixelX;
  ky_ = mmPerScreenPixel / mmPerPixelY;
}

std::int32_t PrintConversion::X(float mm) const {
  return RoundHalfEven(view_.MmToPixels(mm) * kx_ * scale_);
}

std::int32_t PrintConversion::Y(float mm) const {
  return RoundHalfEven(view_.MmToPixels(mm) * ky_ * scale_);
}

std::int32_t PrintConversion::Size(float mm) const { return std::max(1, X(mm)); }

}  // namespace common
