#pragma once

#include <cstdint>

namespace common {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
// Values beyond the 32-bit range are clamped rather than overflowing.
std::int32_t RoundHalfEven(double value);

// base + delta in pixels, clamped to the 32-bit range: a size read from a
// damaged file may be as large as an int holds.
std::int32_t SaturatingAdd(std::int32_t base, std::int64_t delta);

// floor(v / step + 0.5) * step: the grid point nearest to v, halves going up.
float GridRound(float value, float step);

}  // namespace common
