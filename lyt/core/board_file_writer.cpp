#include "common/core/file_io.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <cctype>

namespace lyt {
namespace {

const char* const WriteProtectedMessage =
    "Disquette protégée en écriture, \r\nEnregistrement impossible !";

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

SaveOutcome SaveDocumentFile(Board& board, float gridStepX, float gridStepY, common::UiPort& ui) {
  const std::string bytes = WriteDocument(board, gridStepX, gridStepY);
  switch (common::SaveFileAtomically(board.FileName, bytes)) {
    case common::SaveResult::Ok:
      board.Modified = false;
      return SaveOutcome{true, IsFootprintFileName(board.FileName)};
    case common::SaveResult::PermissionDenied:
      ui.Tell(WriteProtectedMessage, common::MessageIcon::Exclamation);
      return SaveOutcome{};
    case common::SaveResult::Failed:
      break;
  }
  return SaveOutcome{};
}

}  // namespace lyt
