#include "common/core/file_io.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <cctype>

namespace lyt {
namespace {

std::string LastThreeUpper(const std::string& fileName) {
  std::string tail = fileName.size() >= 3 ? fileName.substr(fileName.size() - 3) : fileName;
  for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return tail;
}

}  // namespace

bool IsFootprintFileName(const std::string& fileName) {
  return LastThreeUpper(fileName) == "EMP";
}

// Any name but a footprint's gets the board magic, so every file written can
// be read back.
std::string WriteDocument(const Board& board, float gridStepX, float gridStepY) {
  std::string text = MagicLine(IsFootprintFileName(board.FileName) ? FootprintMagic : BoardMagic);
  text += GridLine(gridStepX, gridStepY);
  for (const BoardElement& element : board.Elements)
    if (element.Kind != ElementKind::Deleted) text += ElementLine(element);
  return text;
}

SaveOutcome SaveDocumentFile(Board& board, float gridStepX, float gridStepY) {
  const std::string bytes = WriteDocument(board, gridStepX, gridStepY);
  const common::SaveResult result = common::SaveFileAtomically(board.FileName, bytes);
  if (result != common::SaveResult::Ok) return SaveOutcome{false, false, common::SaveProblem(result)};
  board.Modified = false;
  return SaveOutcome{true, IsFootprintFileName(board.FileName), std::nullopt};
}

}  // namespace lyt
