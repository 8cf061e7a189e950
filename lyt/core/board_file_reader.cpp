#include "common/core/csv_fields.h"
#include "common/core/file_io.h"
#include "common/core/number_text.h"
#include "common/core/status_texts.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <algorithm>

namespace lyt {
namespace {

const char* const NotFoundMessage = "Fichier Introuvable!";
const char* const WrongTypeMessage = "Type de Fichier incorrect,\r\nlecture impossible !";

bool IsDocumentMagic(const std::string& magic) {
  const std::string prefix = magic.substr(0, 3);
  return prefix == "LYT" || prefix == "EMP";
}

// A step of zero or less would break the viewport's scale: such a grid line
// is as unreadable as text in a number field.
bool IsUsableStep(float step) { return step > 0.0f; }

constexpr float SmallestFileGridStep = 0.5f;
constexpr float LargestFileGridStep = 10.0f;

bool ReadGridSteps(std::string_view line, common::Viewport& viewport, common::UiPort& ui) {
  float x = 0.0f;
  float y = 0.0f;
  if (!ReadGridLine(line, x, y) || !IsUsableStep(x) || !IsUsableStep(y)) return false;
  // Steps outside what the grid dialog allows (a hand-edited file) are
  // brought back into that range: a very fine step would make every redraw
  // plot millions of grid dots.
  viewport.SetGridSteps(std::clamp(x, SmallestFileGridStep, LargestFileGridStep),
                        std::clamp(y, SmallestFileGridStep, LargestFileGridStep));
  common::ShowGridStepStatus(viewport, ui);
  return true;
}

// The part of the reading that can fail on the file's contents; LastGroup
// ends as the largest group read, whether or not every line was read.
bool ReadContents(std::string_view contents, Board& board, common::Viewport& viewport,
                  common::UiPort& ui) {
  const std::vector<std::string_view> lines = common::SplitLines(contents);
  std::string magic;
  if (lines.empty() || !ReadMagicLine(lines[0], magic) || !IsDocumentMagic(magic)) return false;
  std::size_t first = 1;
  if (HasGridLine(magic)) {
    if (lines.size() < 2 || !ReadGridSteps(lines[1], viewport, ui)) return false;
    first = 2;
  }
  board.LastGroup = 0;
  return ReadElementLines(lines, first, [&board](const BoardElement& element) {
    board.Elements.push_back(element);
    board.LastGroup = std::max(board.LastGroup, element.Group);
  });
}

}  // namespace

bool ReadDocument(Board& board, common::Viewport& viewport, common::UiPort& ui) {
  std::string contents;
  if (!LoadDocumentText(board.FileName, contents, ui, NotFoundMessage, WrongTypeMessage)) return false;
  if (!ReadContents(contents, board, viewport, ui)) {
    ui.Tell(WrongTypeMessage, common::MessageIcon::Critical);
    return false;
  }
  board.LastGroup = NextGroup(board.LastGroup);
  return true;
}

}  // namespace lyt
