#include "common/core/csv_fields.h"

#include "common/core/number_text.h"

namespace common {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view line, std::size_t& i) {
  while (i < line.size() && IsBlank(line[i])) ++i;
}

// Reads a quoted field starting at the opening quote; i ends after the
// closing quote.
bool ReadQuoted(std::string_view line, std::size_t& i, std::string& text) {
  ++i;
  while (i < line.size()) {
    char c = line[i++];
    if (c != '"') {
      text += c;
    } else if (i < line.size() && line[i] == '"') {
      text += '"';
      ++i;
    } else {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view contents) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(contents.substr(start));
      break;
    }
    std::size_t length = end - start;
    if (length > 0 && contents[end - 1] == '\r') --length;
    lines.push_back(contents.substr(start, length));
    start = end + 1;
  }
  return lines;
}

bool ReadCsvField(std::string_view line, std::size_t& position, CsvField& field) {
  field = CsvField{};
  SkipBlanks(line, position);
  if (position < line.size() && line[position] == '"') {
    field.Quoted = true;
    if (!ReadQuoted(line, position, field.Text)) return false;
    SkipBlanks(line, position);
    return position >= line.size() || line[position] == ',';
  }
  std::size_t end = line.find(',', position);
  if (end == std::string_view::npos) end = line.size();
  std::string_view text = line.substr(position, end - position);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  field.Text = std::string(text);
  position = end;
  return true;
}

bool ParseCsvLine(std::string_view line, std::vector<CsvField>& fields, std::size_t maxFields) {
  fields.clear();
  std::size_t i = 0;
  while (true) {
    if (fields.size() == maxFields) return false;
    CsvField field;
    if (!ReadCsvField(line, i, field)) return false;
    fields.push_back(std::move(field));
    if (i >= line.size()) return true;
    ++i;  // the comma
  }
}

void CsvLineWriter::Separate() {
  if (!first_) line_ += ',';
  first_ = false;
}

CsvLineWriter& CsvLineWriter::String(std::string_view text) {
  Separate();
  line_ += '"';
  for (char c : text) {
    if (c == '"') line_ += '"';
    line_ += c;
  }
  line_ += '"';
  return *this;
}

CsvLineWriter& CsvLineWriter::Number(float value) {
  Separate();
  line_ += WriteFileNumber(value);
  return *this;
}

CsvLineWriter& CsvLineWriter::Integer(std::int32_t value) {
  Separate();
  line_ += std::to_string(value);
  return *this;
}

}  // namespace common
