#include "common/core/grid_drawing.h"

#include "common/core/rounding.h"

#include <cmath>
#include <vector>

namespace common {
namespace {

constexpr std::int32_t SmallestGridZoom = 7;

// The grid line nearest to the edge of Picture1 at drawing pixel -edge
// (Picture2's left or top, possibly minus Picture1's size).
float VisibleEdge(std::int32_t edge, float step, const Viewport& viewport) {
  return -GridRound(viewport.PixelsToMm(edge), step);
}

// Pixel positions of the grid lines from `first` to `last` mm inclusive.
// Positions are counted from the first line rather than accumulated, so the
// last line is never lost to rounding drift. Lines closer than a pixel
// collapse into one.
std::vector<std::int32_t> GridLinePixels(float first, float last, float step,
                                         const Viewport& viewport) {
  std::vector<std::int32_t> pixels;
  if (!(step > 0.0f) || !(last >= first)) return pixels;
  const double span = (static_cast<double>(last) - first) / step;
  const auto count = static_cast<std::int64_t>(std::floor(span + 0.5));
  for (std::int64_t i = 0; i <= count; ++i) {
    float mm = static_cast<float>(first + static_cast<double>(i) * step);
    std::int32_t pixel = viewport.MmToPixels(mm);
    if (pixels.empty() || pixels.back() != pixel) pixels.push_back(pixel);
  }
  return pixels;
}

}  // namespace

bool GridIsShown(const Viewport& viewport) {
  return viewport.ShowGrid && viewport.Zoom >= SmallestGridZoom && !viewport.ScrollFocus &&
         !viewport.CentringKey;
}

void DrawCentreMark(const Viewport& viewport, Canvas& canvas) {
  MmPoint centre = viewport.SheetCentre();
  std::int32_t cx = viewport.MmToPixels(centre.X);
  std::int32_t cy = viewport.MmToPixels(centre.Y);
  std::int32_t arm = viewport.MmToPixels(viewport.Config().CentreMarkHalfLength);
  Colour colour = canvas.HighlightColour();
  canvas.SetLineWidth(1);
  canvas.DrawLine(cx - arm, cy, cx + arm, cy, colour);
  canvas.DrawLine(cx, cy - arm, cx, cy + arm, colour);
}

void DrawGrid(const Viewport& viewport, std::int32_t picture2Left, std::int32_t picture2Top,
              std::int32_t picture1Width, std::int32_t picture1Height, Canvas& canvas) {
  float stepX = viewport.GridStepX;
  float stepY = viewport.GridStepY;
  // Every row has the same columns: work them out once.
  std::vector<std::int32_t> columns =
      GridLinePixels(VisibleEdge(picture2Left, stepX, viewport),
                     VisibleEdge(picture2Left - picture1Width, stepX, viewport), stepX, viewport);
  std::vector<std::int32_t> rows =
      GridLinePixels(VisibleEdge(picture2Top, stepY, viewport),
                     VisibleEdge(picture2Top - picture1Height, stepY, viewport), stepY, viewport);
  Colour colour = canvas.HighlightColour();
  canvas.SetLineWidth(1);
  for (std::int32_t y : rows)
    for (std::int32_t x : columns) canvas.SetPixel(x, y, colour);
}

void DrawGridAndCentreMark(const Viewport& viewport, std::int32_t picture2Left,
                           std::int32_t picture2Top, std::int32_t picture1Width,
                           std::int32_t picture1Height, Canvas& canvas) {
  DrawCentreMark(viewport, canvas);
  if (GridIsShown(viewport))
    DrawGrid(viewport, picture2Left, picture2Top, picture1Width, picture1Height, canvas);
}

}  // namespace common
