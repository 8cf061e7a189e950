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

// One element a line: the table is made as large as that once. No line
// shorter than the shortest element line is counted, so a file of empty
// lines, refused at its first one, asks for no more memory than it holds.
std::size_t ElementLinesIn(std::string_view text) {
  constexpr std::size_t ShortestLine = 21;  // 0,0,0,0,0,0,0,0,"",0
  const std::size_t most = text.size() / ShortestLine + 1;
  std::size_t lines = 0;
  for (std::string_view line; common::TakeLine(text, line);) ++lines;
  return std::min(lines, most);
}

// The part of the reading that can fail on the file's contents; LastGroup
// ends as the largest group read, whether or not every line was read.
bool ReadContents(std::string_view contents, Board& board, common::Viewport& viewport,
                  bool& gridStepsRead) {
  std::string_view rest = contents;
  std::string_view line;
  std::string magic;
  if (!common::TakeLine(rest, line) || !ReadMagicLine(line, magic) || !IsDocumentMagic(magic))
    return false;
  if (HasGridLine(magic)) {
    if (!common::TakeLine(rest, line) || !ReadGridSteps(line, viewport)) return false;
    gridStepsRead = true;
  }
  board.Elements.reserve(board.Elements.size() + ElementLinesIn(rest));
  board.LastGroup = 0;
  return ReadElementLines(rest, [&board](BoardElement&& element) {
    board.LastGroup = std::max(board.LastGroup, element.Group);
    board.Elements.push_back(std::move(element));
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
