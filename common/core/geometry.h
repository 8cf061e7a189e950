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

struct MmBox {
  float Left = 0.0f;
  float Top = 0.0f;
  float Right = 0.0f;
  float Bottom = 0.0f;
};

}  // namespace common
