#include "lyt/core/board_file_lines.h"

#include "common/core/csv_fields.h"
#include "common/core/number_text.h"
#include "common/core/text_encoding.h"

namespace lyt {
namespace {

constexpr std::size_t ElementFieldCount = 10;

// A line break inside a text would split its line on reading: it is written
// like any other character the file cannot hold.
std::string FileText(std::string_view utf8) {
  std::string text = common::Utf8ToCp1252(utf8);
  for (char& c : text)
    if (c == '\r' || c == '\n') c = '?';
  return text;
}

bool ReadNumber(const common::CsvField& field, float& value) {
  return !field.Quoted && common::ReadFileNumber(field.Text, value);
}

bool ReadInteger(const common::CsvField& field, std::int32_t& value) {
  return !field.Quoted && common::ReadFileInteger(field.Text, value);
}

}  // namespace

std::string MagicLine(std::string_view magic) {
  return common::CsvLineWriter().String(magic).Line();
}

std::string GridLine(float gridStepX, float gridStepY) {
  return common::CsvLineWriter().Number(gridStepX).Number(gridStepY).Line();
}

std::string ElementLine(const BoardElement& element) {
  return common::CsvLineWriter()
      .Integer(element.Group)
      .Integer(element.Kind)
      .Integer(element.Layer)
      .Number(element.Size)
      .Number(element.X1)
      .Number(element.Y1)
      .Number(element.X2)
      .Number(element.Y2)
      .String(FileText(element.Text))
      .Integer(element.Angle)
      .Line();
}

bool ReadMagicLine(std::string_view line, std::string& magic) {
  std::vector<common::CsvField> fields;
  if (!common::ParseCsvLine(line, fields, 1) || fields.size() != 1) return false;
  magic = fields[0].Text;
  return true;
}

bool ReadGridLine(std::string_view line, float& gridStepX, float& gridStepY) {
  std::vector<common::CsvField> fields;
  if (!common::ParseCsvLine(line, fields, 2) || fields.size() != 2) return false;
  float x = 0.0f;
  float y = 0.0f;
  if (!ReadNumber(fields[0], x) || !ReadNumber(fields[1], y)) return false;
  gridStepX = x;
  gridStepY = y;
  return true;
}

bool ReadElementLine(std::string_view line, BoardElement& element) {
  std::vector<common::CsvField> fields;
  if (!common::ParseCsvLine(line, fields, ElementFieldCount) ||
      fields.size() != ElementFieldCount) return false;
  BoardElement read;
  bool ok = ReadInteger(fields[0], read.Group) && ReadInteger(fields[1], read.Kind) &&
            ReadInteger(fields[2], read.Layer) && ReadNumber(fields[3], read.Size) &&
            ReadNumber(fields[4], read.X1) && ReadNumber(fields[5], read.Y1) &&
            ReadNumber(fields[6], read.X2) && ReadNumber(fields[7], read.Y2) &&
            ReadInteger(fields[9], read.Angle);
  if (!ok) return false;
  read.Text = common::Cp1252ToUtf8(fields[8].Text);
  element = std::move(read);
  return true;
}

bool HasGridLine(std::string_view magic) {
  return magic == BoardMagic || magic == FootprintMagic;
}

bool ReadElementLines(const std::vector<std::string_view>& lines, std::size_t first,
                      const std::function<void(const BoardElement&)>& take) {
  for (std::size_t i = first; i < lines.size(); ++i) {
    BoardElement element;
    if (!ReadElementLine(lines[i], element)) return false;
    take(element);
  }
  return true;
}

}  // namespace lyt
