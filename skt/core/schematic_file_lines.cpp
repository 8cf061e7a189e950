#include "skt/core/schematic_file_lines.h"

#include "common/core/csv_fields.h"
#include "common/core/document_fields.h"

#include <array>

namespace skt {
namespace {

using Record = std::array<common::CsvField, RecordFieldCount>;

// The fields of the whole contents in order, one line at a time. A final
// line end does not start another line; an empty line is one empty field.
class FieldStream {
 public:
  explicit FieldStream(std::string_view contents) : rest_(contents) {}

  bool AtEnd() const { return !inLine_ && rest_.empty(); }

  // False at the end or on a malformed field.
  bool Next(common::CsvField& field) {
    if (!inLine_) {
      if (rest_.empty()) return false;
      StartNextLine();
    }
    if (!common::ReadCsvField(line_, position_, field)) return false;
    if (position_ < line_.size())
      ++position_;  // a comma: another field follows on this line
    else
      inLine_ = false;
    return true;
  }

 private:
  void StartNextLine() {
    const std::size_t end = rest_.find('\n');
    line_ = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
    position_ = 0;
    inLine_ = true;
  }

  std::string_view rest_;
  std::string_view line_;
  std::size_t position_ = 0;
  bool inLine_ = false;
};

bool ElementFromRecord(const Record& fields, SchematicElement& element) {
  using common::ReadIntegerField;
  using common::ReadNumberField;
  SchematicElement read;
  const bool ok =
      ReadIntegerField(fields[0], read.Group) && ReadIntegerField(fields[1], read.Kind) &&
      ReadNumberField(fields[2], read.Size) && ReadNumberField(fields[3], read.X1) &&
      ReadNumberField(fields[4], read.Y1) && ReadNumberField(fields[5], read.X2) &&
      ReadNumberField(fields[6], read.Y2) && ReadIntegerField(fields[8], read.Angle);
  if (!ok) return false;
  read.Text = common::TextOfField(fields[7]);
  element = std::move(read);
  return true;
}

bool ReadRecord(FieldStream& stream, SchematicElement& element) {
  Record fields;
  for (common::CsvField& field : fields)
    if (!stream.Next(field)) return false;
  return ElementFromRecord(fields, element);
}

}  // namespace

void AppendMagicLine(std::string& out, std::string_view magic) {
  common::CsvLineWriter(out).String(magic).End();
}

void AppendElementLine(std::string& out, const SchematicElement& element) {
  common::CsvLineWriter(out)
      .Integer(element.Group)
      .Integer(element.Kind)
      .Number(element.Size)
      .Number(element.X1)
      .Number(element.Y1)
      .Number(element.X2)
      .Number(element.Y2)
      .String(common::FileText(element.Text))
      .Integer(element.Angle)
      .End();
}

bool ReadRecords(std::string_view contents,
                 const std::function<bool(const std::string& magic)>& acceptMagic,
                 const std::function<void(SchematicElement&&)>& take) {
  FieldStream stream(contents);
  common::CsvField magic;
  if (!stream.Next(magic) || !acceptMagic(common::TextOf(magic))) return false;
  while (!stream.AtEnd()) {
    SchematicElement element;
    if (!ReadRecord(stream, element)) return false;
    take(std::move(element));
  }
  return true;
}

}  // namespace skt
