#include "common/core/file_io.h"
#include "common/core/file_problem.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <algorithm>
#include <cctype>
#include <cmath>

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

namespace {

// A number the file cannot hold (infinite, not a number) would be written
// as 0: the file would no longer hold what the screen shows.
bool AllNumbersWritable(const Board& board, float gridStepX, float gridStepY) {
  auto finite = [](const BoardElement& e) {
    return std::isfinite(e.Size) && std::isfinite(e.X1) && std::isfinite(e.Y1) && std::isfinite(e.X2) &&
           std::isfinite(e.Y2);
  };
  return std::isfinite(gridStepX) && std::isfinite(gridStepY) &&
         std::all_of(board.Elements.begin(), board.Elements.end(),
                     [&](const BoardElement& e) { return e.Kind == ElementKind::Deleted || finite(e); });
}

}  // namespace

SaveOutcome SaveDocumentFile(Board& board, float gridStepX, float gridStepY) {
  if (!AllNumbersWritable(board, gridStepX, gridStepY))
    return SaveOutcome{false, false, common::CannotWrite(board.FileName)};
  const std::string bytes = WriteDocument(board, gridStepX, gridStepY);
  const common::SaveResult result = common::SaveFileAtomically(board.FileName, bytes);
  if (result != common::SaveResult::Ok)
    return SaveOutcome{false, false, common::SaveProblem(result, board.FileName)};
  board.Modified = false;
  return SaveOutcome{true, IsFootprintFileName(board.FileName), std::nullopt};
}

}  // namespace lyt
