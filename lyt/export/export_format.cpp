#include "lyt/export/export_format.h"

#include "common/core/rounding.h"

namespace lyt {
namespace {

// The three decimals of a non-negative number of thousandths.
std::string Decimals(std::int64_t thousandths) {
  std::string digits = std::to_string(thousandths % 1000);
  return std::string(3 - digits.size(), '0') + digits;
}

std::string Sign(std::int64_t thousandths) { return thousandths < 0 ? "-" : ""; }

std::int64_t Magnitude(std::int64_t thousandths) { return thousandths < 0 ? -thousandths : thousandths; }

}  // namespace

std::int64_t Thousandths(double mm) { return common::RoundHalfEven(mm * 1000.0); }

std::string GerberCoordinate(double mm) { return std::to_string(Thousandths(mm)); }

std::string ApertureDimension(double mm) {
  const std::int64_t t = Thousandths(mm);
  std::string decimals = Decimals(Magnitude(t));
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  return Sign(t) + std::to_string(Magnitude(t) / 1000) + "." + decimals;
}

std::string DrillDiameter(double mm) {
  const std::int64_t t = Thousandths(mm);
  return Sign(t) + std::to_string(Magnitude(t) / 1000) + "." + Decimals(Magnitude(t));
}

std::string DrillCoordinate(double mm) {
  const std::int64_t t = Thousandths(mm);
  const std::int64_t whole = Magnitude(t) / 1000;
  return Sign(t) + (whole == 0 ? std::string() : std::to_string(whole)) + "." +
         Decimals(Magnitude(t));
}

std::string PathWithoutExtension(const std::string& path) {
  const std::size_t nameStart = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) return path;
  return path.substr(0, dot);
}

}  // namespace lyt
