#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// The comma-separated lines of the board and schematic files: string fields
// in double quotes (a quote inside is doubled), numbers in plain decimal.
// Fields are read in place: nothing is copied until a text is wanted.

struct CsvField {
  std::string_view Raw;  // blanks around dropped; a quoted field's inside, "" still doubled
  bool Quoted = false;   // the field was a quoted string
};

// The text of a field: Raw with each "" of a quoted field turned back into ".
std::string TextOf(const CsvField& field);

// Takes the first line off `rest`, without its CR LF or LF ending; false
// when nothing is left. A final line ending does not start another line;
// an empty line in the middle, or after the last line, is an empty line.
bool TakeLine(std::string_view& rest, std::string_view& line);

// Reads the field of `line` starting at `position`, blanks around it
// dropped, those inside quotes kept; `position` ends on the comma after it or
// at the end of the line. False for an unterminated quote or text after one.
bool ReadCsvField(std::string_view line, std::size_t& position, CsvField& field);

// Splits one line into its fields, at most `capacity` of them, into
// `fields`; `count` says how many. Blanks around a field are dropped, those
// inside quotes kept. False for an unterminated quote or text after one, and
// for more than `capacity` fields: reading stops there, so a hostile line of
// millions of commas costs nothing.
bool ParseCsvLine(std::string_view line, CsvField* fields, std::size_t capacity, std::size_t& count);

// A line of exactly N fields; false on anything else.
template <std::size_t N>
bool ParseCsvLine(std::string_view line, std::array<CsvField, N>& fields) {
  std::size_t count = 0;
  return ParseCsvLine(line, fields.data(), N, count) && count == N;
}

// Appends one line of fields to a file's text; End closes the line with
// CR LF, and only then is the whole line in the text. Numbers are
// formatted straight into a small buffer of the line, which goes to the
// text in few pieces.
class CsvLineWriter {
 public:
  explicit CsvLineWriter(std::string& out) : out_(out) {}
  CsvLineWriter& String(std::string_view text);
  CsvLineWriter& Number(float value);
  CsvLineWriter& Integer(std::int32_t value);
  void End();

 private:
  // Room for the longest number there is, a separator and the line end.
  static constexpr std::size_t kRoom = 64;
  char* Separate();
  void Flush();

  std::string& out_;
  char buffer_[256];
  std::size_t used_ = 0;
  bool first_ = true;
};

}  // namespace common
