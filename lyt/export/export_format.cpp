#include "lyt/export/export_format.h"

#include "common/core/rounding.h"

#include <charconv>

namespace lyt {
namespace {

// The three decimals of a non-negative number of thousandths.
char* WriteDecimals(char* at, std::int64_t thousandths) {
  const auto decimals = static_cast<int>(thousandths % 1000);
  at[0] = static_cast<char>('0' + decimals / 100);
  at[1] = static_cast<char>('0' + decimals / 10 % 10);
  at[2] = static_cast<char>('0' + decimals % 10);
  return at + 3;
}

char* WriteInteger(char* at, std::int64_t value) { return std::to_chars(at, at + 24, value).ptr; }

std::int64_t Magnitude(std::int64_t thousandths) { return thousandths < 0 ? -thousandths : thousandths; }

char* WriteSign(char* at, std::int64_t thousandths) {
  if (thousandths < 0) *at++ = '-';
  return at;
}

std::string TextOf(char* (*write)(char*, double), double mm) {
  char text[32];
  return std::string(text, write(text, mm));
}

}  // namespace

std::int64_t Thousandths(double mm) { return common::RoundHalfEven(mm * 1000.0); }

char* WriteText(char* at, const char* text) {
  while (*text) *at++ = *text++;
  return at;
}

// Thousandths are clamped to 32 bits: written as such, the quickest way.
char* WriteGerberCoordinate(char* at, double mm) {
  return std::to_chars(at, at + LongestCoordinate, common::RoundHalfEven(mm * 1000.0)).ptr;
}

std::string GerberCoordinate(double mm) { return TextOf(WriteGerberCoordinate, mm); }

std::string ApertureDimension(double mm) {
  const std::int64_t t = Thousandths(mm);
  char text[32];
  char* end = WriteInteger(WriteSign(text, t), Magnitude(t) / 1000);
  *end++ = '.';
  end = WriteDecimals(end, Magnitude(t));
  while (end[-1] == '0') --end;
  return std::string(text, end);
}

std::string DrillDiameter(double mm) {
  const std::int64_t t = Thousandths(mm);
  char text[32];
  char* end = WriteInteger(WriteSign(text, t), Magnitude(t) / 1000);
  *end++ = '.';
  return std::string(text, WriteDecimals(end, Magnitude(t)));
}

char* WriteDrillCoordinate(char* at, double mm) {
  const std::int64_t t = Thousandths(mm);
  const std::int64_t whole = Magnitude(t) / 1000;
  at = WriteSign(at, t);
  if (whole != 0) at = WriteInteger(at, whole);
  *at++ = '.';
  return WriteDecimals(at, Magnitude(t));
}

std::string DrillCoordinate(double mm) { return TextOf(WriteDrillCoordinate, mm); }

std::string PathWithoutExtension(const std::string& path) {
  const std::size_t nameStart = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) return path;
  return path.substr(0, dot);
}

}  // namespace lyt
