#include "common/core/file_io.h"
#include "common/core/letter_case.h"
#include "common/core/writable_numbers.h"
#include "skt/core/schematic_file.h"
#include "skt/core/schematic_file_lines.h"

namespace skt {

bool IsComponentFileName(const std::string& fileName) {
  return common::LastThreeUpper(fileName) == "CMP";
}

// Any name but a component's gets the schematic magic, so every file written
// can be read back.
std::string WriteDocument(const Schematic& schematic) {
  std::string text;
  // About what a line takes, so the text is seldom moved as it grows.
  text.reserve(64 * (schematic.Elements.size() + 1));
  AppendMagicLine(text, IsComponentFileName(schematic.FileName) ? ComponentMagic : SchematicMagic);
  for (const SchematicElement& element : schematic.Elements)
    if (element.Kind != ElementKind::Deleted) AppendElementLine(text, element);
  return text;
}

SaveOutcome SaveDocumentFile(Schematic& schematic) {
  // A number the file cannot hold would be written as 0.
  if (!common::LiveNumbersFinite(schematic.Elements))
    return SaveOutcome{false, false, common::CannotWrite(schematic.FileName)};
  const common::SaveResult result =
      common::SaveFileAtomically(schematic.FileName, WriteDocument(schematic));
  if (result != common::SaveResult::Ok)
    return SaveOutcome{false, false, common::SaveProblem(result, schematic.FileName)};
  schematic.Modified = false;
  return SaveOutcome{true, IsComponentFileName(schematic.FileName), std::nullopt};
}

}  // namespace skt
