#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// The comma-separated lines of the board and schematic files: string fields
// in double quotes (a quote inside is doubled), numbers in plain decimal.

struct CsvField {
  std::string Text;     // without the quotes, "" turned back into "
  bool Quoted = false;  // the field was a quoted string
};

// Splits file contents into lines ended by CR LF or LF alone. A final line
// ending does not start another line; an empty line in the middle, or after
// the last line, is kept as an empty line.
std::vector<std::string_view> SplitLines(std::string_view contents);

// Reads the field of `line` starting at `position`, blanks around it
// dropped, those inside quotes kept; `position` ends on the comma after it or
// at the end of the line. False for an unterminated quote or text after one.
bool ReadCsvField(std::string_view line, std::size_t& position, CsvField& field);

// Splits one line into its fields. Blanks around a field are dropped, those
// inside quotes kept. False for an unterminated quote or text after one, and
// for more than `maxFields` fields: reading stops there, so a hostile line
// of millions of commas costs nothing.
bool ParseCsvLine(std::string_view line, std::vector<CsvField>& fields,
                  std::size_t maxFields = static_cast<std::size_t>(-1));

// Builds one line of fields, ended by CR LF.
class CsvLineWriter {
 public:
  CsvLineWriter& String(std::string_view text);
  CsvLineWriter& Number(float value);
  CsvLineWriter& Integer(std::int32_t value);
  std::string Line() const { return line_ + "\r\n"; }

 private:
  void Separate();
  std::string line_;
  bool first_ = true;
};

}  // namespace common
