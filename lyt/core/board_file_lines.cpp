#include "lyt/core/board_file_lines.h"

#include "common/core/csv_fields.h"
#include "common/core/document_fields.h"

namespace lyt {
namespace {

constexpr std::size_t ElementFieldCount = 10;

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
      .String(common::FileText(element.Text))
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
  if (!common::ReadNumberField(fields[0], x) || !common::ReadNumberField(fields[1], y)) return false;
  gridStepX = x;
  gridStepY = y;
  return true;
}

bool ReadElementLine(std::string_view line, BoardElement& element) {
  std::vector<common::CsvField> fields;
  if (!common::ParseCsvLine(line, fields, ElementFieldCount) ||
      fields.size() != ElementFieldCount) return false;
  BoardElement read;
  using common::ReadIntegerField;
  using common::ReadNumberField;
  bool ok = ReadIntegerField(fields[0], read.Group) && ReadIntegerField(fields[1], read.Kind) &&
            ReadIntegerField(fields[2], read.Layer) && ReadNumberField(fields[3], read.Size) &&
            ReadNumberField(fields[4], read.X1) && ReadNumberField(fields[5], read.Y1) &&
            ReadNumberField(fields[6], read.X2) && ReadNumberField(fields[7], read.Y2) &&
            ReadIntegerField(fields[9], read.Angle);
  if (!ok) return false;
  read.Text = common::TextOfField(fields[8]);
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
