#include "common/core/number_text.h"

#include "common/core/rounding.h"

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

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
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

template <typename T>
bool ReadWholeNumber(std::string_view field, T& value) {
  field = TrimBlanks(field);
  if (field.empty() || NumberPrefixLength(field) != field.size()) return false;
  return ParseNumberText(field, value);
}

}  // namespace

double ParseTypedNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  std::size_t length = NumberPrefixLength(text);
  double value = 0.0;
  if (length == 0 || !ParseNumberText(text.substr(0, length), value)) return 0.0;
  return value;
}

bool ReadFileNumber(std::string_view field, float& value) {
  return ReadWholeNumber(field, value);
}

bool ReadFileNumber(std::string_view field, double& value) {
  return ReadWholeNumber(field, value);
}

bool ReadFileInteger(std::string_view field, std::int32_t& value) {
  double number = 0.0;
  if (!ReadWholeNumber(field, number)) return false;
  if (number < std::numeric_limits<std::int32_t>::min() - 0.5 ||
      number > std::numeric_limits<std::int32_t>::max() + 0.5)
    return false;
  value = RoundHalfEven(number);
  return true;
}

std::string WriteFileNumber(float value) {
  if (value == 0.0f || !std::isfinite(value)) return "0";
  char buffer[128];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
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
