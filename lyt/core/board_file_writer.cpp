#include "common/core/file_io.h"
#include "common/core/file_problem.h"
#include "common/core/letter_case.h"
#include "common/core/writable_numbers.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <cmath>

namespace lyt {

bool IsFootprintFileName(const std::string& fileName) {
  return common::LastThreeUpper(fileName) == "EMP";
}

// Any name but a footprint's gets the board magic, so every file written can
// be read back.
std::string WriteDocument(const Board& board, float gridStepX, float gridStepY) {
  std::string text;
  // About what a line takes, so the text is seldom moved as it grows.
  text.reserve(64 * (board.Elements.size() + 2));
  AppendMagicLine(text, IsFootprintFileName(board.FileName) ? FootprintMagic : BoardMagic);
  AppendGridLine(text, gridStepX, gridStepY);
  for (const BoardElement& element : board.Elements)
    if (element.Kind != ElementKind::Deleted) AppendElementLine(text, element);
  return text;
}

SaveOutcome SaveDocumentFile(Board& board, float gridStepX, float gridStepY) {
  // A number the file cannot hold would be written as 0.
  if (!std::isfinite(gridStepX) || !std::isfinite(gridStepY) ||
      !common::LiveNumbersFinite(board.Elements))
    return SaveOutcome{false, false, common::CannotWrite(board.FileName)};
  const std::string bytes = WriteDocument(board, gridStepX, gridStepY);
  const common::SaveResult result = common::SaveFileAtomically(board.FileName, bytes);
  if (result != common::SaveResult::Ok)
    return SaveOutcome{false, false, common::SaveProblem(result, board.FileName)};
  board.Modified = false;
  return SaveOutcome{true, IsFootprintFileName(board.FileName), std::nullopt};
}

}  // namespace lyt
