#pragma once

#include <cstdint>

namespace common {

struct PixelPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

struct MmPoint {
  float X = 0.0f;
  float Y = 0.0f;
};

struct PixelSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

struct MmBox {
  float Left = 0.0f;
  float Top = 0.0f;
  float Right = 0.0f;
  float Bottom = 0.0f;
};

// The smallest box holding both.
inline MmBox Enclosing(const MmBox& a, const MmBox& b) {
  return {a.Left < b.Left ? a.Left : b.Left, a.Top < b.Top ? a.Top : b.Top,
          a.Right > b.Right ? a.Right : b.Right, a.Bottom > b.Bottom ? a.Bottom : b.Bottom};
}

// A box around a point, `reach` on every side.
inline MmBox BoxAround(float x, float y, float reach) {
  return {x - reach, y - reach, x + reach, y + reach};
}

// The box of a segment, widened by `reach` on every side.
inline MmBox BoxOfSegment(float x1, float y1, float x2, float y2, float reach) {
  return Enclosing(BoxAround(x1, y1, reach), BoxAround(x2, y2, reach));
}

}  // namespace common
