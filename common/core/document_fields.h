#pragma once

#include "common/core/csv_fields.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// The typed fields of a board or schematic file line. Texts are UTF-8 in
// memory, Windows-1252 on disk.

// A number or integer field: unquoted, as number_text.h reads it. False,
// leaving `value` alone, on anything else.
bool ReadNumberField(const CsvField& field, float& value);
bool ReadIntegerField(const CsvField& field, std::int32_t& value);

// A text field, quoted or not, back in UTF-8.
std::string TextOfField(const CsvField& field);

// The fields of one line read in order, each as what it must be, where it
// lies: a number is read straight from the line, with no field text made
// first. Each reader is false, leaving `value` alone, when the next field is
// not of its kind or there is none; Ended says the line has no more fields.
class LineFields {
 public:
  explicit LineFields(std::string_view line) : rest_(line) {}
  bool Number(float& value);
  bool Integer(std::int32_t& value);
  bool Text(std::string& value);
  bool Ended() const { return ended_; }

 private:
  // Past a field of `length` characters: its comma, or the end of the line.
  bool Pass(std::size_t length);

  std::string_view rest_;
  bool ended_ = false;
};

// A text as the file holds it: Windows-1252, with '?' for a character the
// code page lacks and for a line break, which would split its line.
std::string FileText(std::string_view utf8);

}  // namespace common
