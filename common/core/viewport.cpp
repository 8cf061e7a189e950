#include "common/core/viewport.h"

#include "common/core/rounding.h"

namespace common {

Viewport::Viewport(const ViewportConfig& config)
    : Zoom(config.Zoom),
      GridStepX(config.GridStepX),
      GridStepY(config.GridStepY),
      Scale(0.0),
      SheetWidth(config.SheetWidth),
      SheetHeight(config.SheetHeight),
      config_(config) {
  // Valid before the first layout, so nothing ever divides by zero.
  Scale = ScaleForZoom();
}

void Viewport::ResetForNewDocument() {
  Zoom = config_.Zoom;
  SetGridSteps(config_.GridStepX, config_.GridStepY);
  ShowGrid = true;
  SnapToGrid = true;
}

void Viewport::SetGridSteps(float stepX, float stepY) {
  GridStepX = stepX;
  GridStepY = stepY;
  Scale = ScaleForZoom();
}

double Viewport::ScaleForZoom() const { return Zoom / static_cast<double>(GridStepX); }

float Viewport::PixelsToMm(std::int32_t pixels) const {
  return static_cast<float>(pixels / Scale);
}

float Viewport::PointerToMm(float pointerPixels) const {
  return PixelsToMm(RoundHalfEven(pointerPixels));
}

float Viewport::GridRoundX(float mm) const { return GridRound(mm, GridStepX); }
float Viewport::GridRoundY(float mm) const { return GridRound(mm, GridStepY); }

float Viewport::SnapX(float mm) const { return SnapToGrid ? GridRoundX(mm) : mm; }
float Viewport::SnapY(float mm) const { return SnapToGrid ? GridRoundY(mm) : mm; }

MmPoint Viewport::SheetCentre() const { return {SnapX(SheetWidth / 2), SnapY(SheetHeight / 2)}; }

bool Viewport::CanZoom(ZoomDirection direction) const {
  if (direction == ZoomDirection::In) return Zoom * 2 <= MaxZoom;
  return Zoom / 2 >= 1;
}

bool Viewport::StepZoom(ZoomDirection direction) {
  if (!CanZoom(direction)) return false;
  Zoom = direction == ZoomDirection::In ? Zoom * 2 : Zoom / 2;
  return true;
}

}  // namespace common
