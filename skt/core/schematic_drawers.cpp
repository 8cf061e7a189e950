#include "skt/core/schematic_drawers.h"

#include "common/core/rounding.h"

#include <algorithm>
#include <cstdint>

namespace skt {
namespace {

// x + delta without overflow: coordinates read from a damaged file may be
// as large as an int holds.
int Offset(int x, std::int64_t delta) { return common::SaturatingAdd(x, delta); }

}  // namespace

void DrawSegment(int x1, int y1, int x2, int y2, int width, common::Colour colour,
                 common::DrawMode mode, common::Canvas& canvas) {
  canvas.SetDrawMode(mode);
  canvas.SetLineWidth(std::max(1, width));
  canvas.DrawLine(x1, y1, x2, y2, colour);
}

void DrawJunction(int x, int y, int half, common::Colour colour, common::DrawMode mode,
                  common::Canvas& canvas) {
  const std::int64_t r = half;
  common::DrawFilledBox(Offset(x, -r), Offset(y, -r), Offset(x, r), Offset(y, r), colour, mode,
                        canvas);
}

void DrawCircle(int x, int y, int r, common::Colour colour, common::DrawMode mode,
                common::Canvas& canvas) {
  common::DrawCircle(x, y, r, 1, colour, mode, canvas);
}

}  // namespace skt
