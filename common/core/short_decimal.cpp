#include "common/core/short_decimal.h"

#include <cmath>
#include <cstdint>

namespace common {
namespace {

// A number of `decimals` decimals (thousandths, hundred-thousandths) whose
// magnitude is below `limit`: there a float is closer to its neighbours
// than one last decimal, so a decimal that reads back to the float is the
// only one of that many decimals, and none with fewer does.
struct Scale {
  int Decimals;
  double Factor;
  double Limit;
};
constexpr Scale kScales[] = {{3, 1e3, 16384.0}, {5, 1e5, 128.0}};

// `units` in units of the last decimal, written with its point; below 2^32.
char* WriteScaled(char* at, bool negative, std::uint32_t units, int decimals) {
  while (decimals > 0 && units % 10 == 0) units /= 10, --decimals;  // trailing zeros
  char digits[12];  // last digit first
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + units % 10);
    units /= 10;
  } while (units != 0);
  while (count <= decimals) digits[count++] = '0';  // "0.5": a digit before the point
  if (negative) *at++ = '-';
  for (int i = count - 1; i >= decimals; --i) *at++ = digits[i];
  if (decimals == 0) return at;
  *at++ = '.';
  for (int i = decimals - 1; i >= 0; --i) *at++ = digits[i];
  return at;
}

}  // namespace

char* WriteShortDecimal(char* at, float value) {
  const double magnitude = std::fabs(static_cast<double>(value));
  if (!(magnitude > 0.0)) return nullptr;
  for (const Scale& scale : kScales) {
    if (!(magnitude < scale.Limit)) continue;
    const auto units = static_cast<std::uint32_t>(magnitude * scale.Factor + 0.5);
    // The quotient is correctly rounded to double, and from there to float
    // as the decimal itself would be: few decimals never fall on a tie.
    if (static_cast<float>(units / scale.Factor) == static_cast<float>(magnitude))
      return WriteScaled(at, value < 0.0f, units, scale.Decimals);
  }
  return nullptr;
}

}  // namespace common
