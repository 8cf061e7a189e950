#include "common/core/number_text.h"

#include "common/core/rounding.h"
#include "common/core/short_decimal.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace common {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the longest prefix of `text` shaped like a decimal number
// ([sign] digits [. digits] [exponent]); 0 when it holds no digit.
std::size_t NumberPrefixLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < text.size() && IsDigit(text[j])) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

// from_chars rejects a leading '+'; everything else of our number shape it takes.
template <typename T>
bool ParseNumberText(std::string_view number, T& value) {
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  T parsed{};
  auto result = std::from_chars(number.data(), number.data() + number.size(), parsed);
  if (result.ptr != number.data() + number.size()) return false;
  if (result.ec == std::errc::result_out_of_range) return false;
  if (result.ec != std::errc()) return false;
  value = parsed;
  return true;
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

// Of what from_chars reads, only the infinities and not-a-numbers lie
// outside the number shape: those are refused by their value, which costs
// less than checking the shape first. A '+' is allowed before the number,
// but not before a '-'.
template <typename T>
std::size_t ReadNumberAt(std::string_view text, T& value) {
  std::size_t i = SkipBlanks(text, 0);
  if (i < text.size() && text[i] == '+' && !(i + 1 < text.size() && text[i + 1] == '-')) ++i;
  T parsed{};
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), parsed);
  if (result.ec != std::errc() || !std::isfinite(parsed)) return 0;
  value = parsed;
  return SkipBlanks(text, static_cast<std::size_t>(result.ptr - text.data()));
}

// The whole field must be the number.
template <typename T>
bool ReadWholeNumber(std::string_view field, T& value) {
  T parsed{};
  const std::size_t length = ReadNumberAt(field, parsed);
  if (length == 0 || length != field.size()) return false;
  value = parsed;
  return true;
}

bool ContinuesANumber(char c) { return c == '.' || c == 'e' || c == 'E'; }

}  // namespace

double ParseTypedNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  std::size_t length = NumberPrefixLength(text);
  double value = 0.0;
  if (length == 0 || !ParseNumberText(text.substr(0, length), value)) return 0.0;
  return value;
}

std::size_t ReadFileNumberAt(std::string_view text, float& value) { return ReadNumberAt(text, value); }

std::size_t ReadFileNumberAt(std::string_view text, double& value) { return ReadNumberAt(text, value); }

bool ReadFileNumber(std::string_view field, float& value) {
  return ReadWholeNumber(field, value);
}

bool ReadFileNumber(std::string_view field, double& value) {
  return ReadWholeNumber(field, value);
}

// Most integer fields are plain digits: read as such; any other shape (a
// '+', a fraction, an exponent, a number out of range) is read as a decimal
// number and rounded.
std::size_t ReadFileIntegerAt(std::string_view text, std::int32_t& value) {
  const std::size_t start = SkipBlanks(text, 0);
  const char* const end = text.data() + text.size();
  std::int32_t whole = 0;
  const auto result = std::from_chars(text.data() + start, end, whole);
  if (result.ec == std::errc() && (result.ptr == end || !ContinuesANumber(*result.ptr))) {
    value = whole;
    return SkipBlanks(text, static_cast<std::size_t>(result.ptr - text.data()));
  }
  double number = 0.0;
  const std::size_t length = ReadNumberAt(text, number);
  if (length == 0 || number < std::numeric_limits<std::int32_t>::min() - 0.5 ||
      number > std::numeric_limits<std::int32_t>::max() + 0.5)
    return 0;
  value = RoundHalfEven(number);
  return length;
}

bool ReadFileInteger(std::string_view field, std::int32_t& value) {
  std::int32_t parsed = 0;
  const std::size_t length = ReadFileIntegerAt(field, parsed);
  if (length == 0 || length != field.size()) return false;
  value = parsed;
  return true;
}

// The largest float has 39 digits before the point and none after it; the
// smallest has 45 decimals and its one digit: "-0.", 45 digits, no more.
constexpr std::size_t kLongestFileNumber = 48;

char* WriteFileNumber(char* at, float value) {
  if (char* end = WriteShortDecimal(at, value)) return end;
  if (value != 0.0f && std::isfinite(value)) {
    const auto result = std::to_chars(at, at + kLongestFileNumber, value, std::chars_format::fixed);
    if (result.ec == std::errc()) return result.ptr;
  }
  *at = '0';
  return at + 1;
}

std::string WriteFileNumber(float value) {
  char text[kLongestFileNumber];
  return std::string(text, WriteFileNumber(text, value));
}

std::string FormatNumber(double value, char decimalSeparator) {
  if (value == 0.0 || !std::isfinite(value)) return "0";
  // to_chars, unlike printf, ignores the C locale that the toolkit sets.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.') c = decimalSeparator;
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace common
