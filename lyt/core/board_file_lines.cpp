#include "lyt/core/board_file_lines.h"

#include "common/core/document_fields.h"

#include <array>


namespace lyt {

void AppendMagicLine(std::string& out, std::string_view magic) {
  common::CsvLineWriter(out).String(magic).End();
}

void AppendGridLine(std::string& out, float gridStepX, float gridStepY) {
  common::CsvLineWriter(out).Number(gridStepX).Number(gridStepY).End();
}

void AppendElementLine(std::string& out, const BoardElement& element) {
  common::CsvLineWriter(out)
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
      .End();
}

bool ReadMagicLine(std::string_view line, std::string& magic) {
  std::array<common::CsvField, 1> fields;
  if (!common::ParseCsvLine(line, fields)) return false;
  magic = common::TextOf(fields[0]);
  return true;
}

bool ReadGridLine(std::string_view line, float& gridStepX, float& gridStepY) {
  common::LineFields fields(line);
  float x = 0.0f;
  float y = 0.0f;
  if (!fields.Number(x) || !fields.Number(y) || !fields.Ended()) return false;
  gridStepX = x;
  gridStepY = y;
  return true;
}

bool ReadElementLine(std::string_view line, BoardElement& element) {
  common::LineFields fields(line);
  BoardElement read;
  const bool ok = fields.Integer(read.Group) && fields.Integer(read.Kind) &&
                  fields.Integer(read.Layer) && fields.Number(read.Size) && fields.Number(read.X1) &&
                  fields.Number(read.Y1) && fields.Number(read.X2) && fields.Number(read.Y2) &&
                  fields.Text(read.Text) && fields.Integer(read.Angle) && fields.Ended();
  if (!ok) return false;
  element = std::move(read);
  return true;
}

bool HasGridLine(std::string_view magic) {
  return magic == BoardMagic || magic == FootprintMagic;
}

}  // namespace lyt
