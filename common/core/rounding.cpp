#include "common/core/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace common {

std::int32_t RoundHalfEvenFar(double value) {
  if (std::isnan(value)) return 0;
  // Round half to even without depending on the floating-point environment.
  double floorValue = std::floor(value);
  double fraction = value - floorValue;
  double rounded = floorValue;
  if (fraction > 0.5) {
    rounded = floorValue + 1.0;
  } else if (fraction == 0.5) {
    rounded = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
  }
  constexpr double lowest = std::numeric_limits<std::int32_t>::min();
  constexpr double highest = std::numeric_limits<std::int32_t>::max();
  if (rounded < lowest) return std::numeric_limits<std::int32_t>::min();
  if (rounded > highest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(rounded);
}

float GridRound(float value, float step) {
  if (step == 0.0f) return value;
  double steps = std::floor(static_cast<double>(value) / step + 0.5);
  return static_cast<float>(steps * step);
}

std::int32_t SaturatingAdd(std::int32_t base, std::int64_t delta) {
  const std::int64_t sum = static_cast<std::int64_t>(base) + delta;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace common
