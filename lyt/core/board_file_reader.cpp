#include "common/core/csv_fields.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <algorithm>

namespace lyt {
namespace {

bool IsDocumentMagic(const std::string& magic) {
  const std::string prefix = magic.substr(0, 3);
  return prefix == "LYT" || prefix == "EMP";
}

// A step of zero or less would break the viewport's scale: such a grid line
// is as unreadable as text in a number field.
bool IsUsableStep(float step) { return step > 0.0f; }

bool ReadGridSteps(std::string_view line, common::Viewport& viewport) {
  float x = 0.0f;
  float y = 0.0f;
  if (!ReadGridLine(line, x, y) || !IsUsableStep(x) || !IsUsableStep(y)) return false;
  // Steps outside what the grid dialog allows (a hand-edited file) are
  // brought back into that range: a very fine step would make every redraw
  // plot millions of grid dots.
  viewport.SetGridSteps(std::clamp(x, common::SmallestGridStep, common::LargestGridStep),
                        std::clamp(y, common::SmallestGridStep, common::LargestGridStep));
  return true;
}

// The part of the reading that can fail on the file's contents; LastGroup
// ends as the largest group read, whether or not every line was read.
bool ReadContents(std::string_view contents, Board& board, common::Viewport& viewport,
                  bool& gridStepsRead) {
  const std::vector<std::string_view> lines = common::SplitLines(contents);
  std::string magic;
  if (lines.empty() || !ReadMagicLine(lines[0], magic) || !IsDocumentMagic(magic)) return false;
  std::size_t first = 1;
  if (HasGridLine(magic)) {
    if (lines.size() < 2 || !ReadGridSteps(lines[1], viewport)) return false;
    gridStepsRead = true;
    first = 2;
  }
  board.LastGroup = 0;
  return ReadElementLines(lines, first, [&board](const BoardElement& element) {
    board.Elements.push_back(element);
    board.LastGroup = std::max(board.LastGroup, element.Group);
  });
}

}  // namespace

ReadOutcome ReadDocument(Board& board, common::Viewport& viewport) {
  ReadOutcome outcome;
  std::string contents;
  outcome.Problem = common::LoadDocumentText(board.FileName, contents, common::FileNotFoundText,
                                             common::WrongFileTypeText);
  if (outcome.Problem) return outcome;
  if (!ReadContents(contents, board, viewport, outcome.GridStepsRead)) {
    outcome.Problem = common::UnreadableFile(common::WrongFileTypeText);
    return outcome;
  }
  board.LastGroup = NextGroup(board.LastGroup);
  return outcome;
}

}  // namespace lyt
