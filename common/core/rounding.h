#pragma once

#include <cstdint>

namespace common {

// What RoundHalfEven does outside the 32-bit range: clamping, and 0 for
// not-a-number.
std::int32_t RoundHalfEvenFar(double value);

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
// Values beyond the 32-bit range are clamped rather than overflowing.
// Inline, and without a library call inside the range: the drawing and the
// exports round every coordinate through here.
inline std::int32_t RoundHalfEven(double value) {
  if (!(value > -2147483647.0 && value < 2147483647.0)) return RoundHalfEvenFar(value);
  // Truncation toward zero; the fraction left is exact and decides.
  const auto whole = static_cast<std::int32_t>(value);
  const double fraction = value - whole;
  const bool odd = (whole & 1) != 0;
  if (fraction > 0.5 || (fraction == 0.5 && odd)) return whole + 1;
  if (fraction < -0.5 || (fraction == -0.5 && odd)) return whole - 1;
  return whole;
}

// base + delta in pixels, clamped to the 32-bit range: a size read from a
// damaged file may be as large as an int holds.
std::int32_t SaturatingAdd(std::int32_t base, std::int64_t delta);

// floor(v / step + 0.5) * step: the grid point nearest to v, halves going up.
float GridRound(float value, float step);

}  // namespace common
