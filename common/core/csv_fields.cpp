#include "common/core/csv_fields.h"

#include "common/core/number_text.h"

#include <charconv>
#include <cstring>

namespace common {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view line, std::size_t& i) {
  while (i < line.size() && IsBlank(line[i])) ++i;
}

// Finds the end of a quoted field starting at the opening quote; i ends
// after the closing quote and `inside` is what lies between the quotes.
bool ReadQuoted(std::string_view line, std::size_t& i, std::string_view& inside) {
  const std::size_t start = ++i;
  while (true) {
    const std::size_t quote = line.find('"', i);
    if (quote == std::string_view::npos) return false;
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
      i = quote + 2;  // a doubled quote stays in the field
      continue;
    }
    inside = line.substr(start, quote - start);
    i = quote + 1;
    return true;
  }
}

}  // namespace

std::string TextOf(const CsvField& field) {
  if (!field.Quoted || field.Raw.find('"') == std::string_view::npos) return std::string(field.Raw);
  std::string text;
  text.reserve(field.Raw.size());
  for (std::size_t i = 0; i < field.Raw.size(); ++i) {
    text += field.Raw[i];
    if (field.Raw[i] == '"') ++i;  // the second of a doubled pair
  }
  return text;
}

bool TakeLine(std::string_view& rest, std::string_view& line) {
  if (rest.empty()) return false;
  const void* found = std::memchr(rest.data(), '\n', rest.size());
  const std::size_t end =
      found ? static_cast<std::size_t>(static_cast<const char*>(found) - rest.data()) : rest.size();
  line = rest.substr(0, end);
  if (!line.empty() && line.back() == '\r' && found) line.remove_suffix(1);
  rest.remove_prefix(found ? end + 1 : end);
  return true;
}

bool ReadCsvField(std::string_view line, std::size_t& position, CsvField& field) {
  field = CsvField{};
  SkipBlanks(line, position);
  if (position < line.size() && line[position] == '"') {
    field.Quoted = true;
    if (!ReadQuoted(line, position, field.Raw)) return false;
    SkipBlanks(line, position);
    return position >= line.size() || line[position] == ',';
  }
  // Fields are short: a plain loop finds the comma sooner than a search call.
  std::size_t end = position;
  while (end < line.size() && line[end] != ',') ++end;
  std::string_view text = line.substr(position, end - position);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  field.Raw = text;
  position = end;
  return true;
}

bool ParseCsvLine(std::string_view line, CsvField* fields, std::size_t capacity, std::size_t& count) {
  count = 0;
  std::size_t i = 0;
  while (true) {
    if (count == capacity) return false;
    if (!ReadCsvField(line, i, fields[count])) return false;
    ++count;
    if (i >= line.size()) return true;
    ++i;  // the comma
  }
}

void CsvLineWriter::Flush() {
  out_.append(buffer_, used_);
  used_ = 0;
}

// Where the next field goes, after its comma, with room for any number.
char* CsvLineWriter::Separate() {
  if (used_ + kRoom > sizeof buffer_) Flush();
  if (!first_) buffer_[used_++] = ',';
  first_ = false;
  return buffer_ + used_;
}

CsvLineWriter& CsvLineWriter::String(std::string_view text) {
  Separate()[0] = '"';
  ++used_;
  Flush();
  for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
    out_.append(text.data(), quote + 1);
    out_ += '"';
    text.remove_prefix(quote + 1);
  }
  out_.append(text.data(), text.size());
  buffer_[used_++] = '"';
  return *this;
}

CsvLineWriter& CsvLineWriter::Number(float value) {
  char* const at = Separate();
  used_ = static_cast<std::size_t>(WriteFileNumber(at, value) - buffer_);
  return *this;
}

CsvLineWriter& CsvLineWriter::Integer(std::int32_t value) {
  char* const at = Separate();
  used_ = static_cast<std::size_t>(std::to_chars(at, buffer_ + sizeof buffer_, value).ptr - buffer_);
  return *this;
}

void CsvLineWriter::End() {
  buffer_[used_++] = '\r';
  buffer_[used_++] = '\n';
  Flush();
}

}  // namespace common
