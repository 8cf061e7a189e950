#include "common/core/library_folder.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <filesystem>

namespace lyt {
namespace fs = std::filesystem;
namespace {

const char* const NotFoundText = "Fichier d'empreinte Introuvable!";
const char* const WrongTypeText = "Fichier d'empreinte incorrect,\r\nlecture impossible !";

bool ReadFootprintContents(std::string_view contents, Board& board) {
  std::string_view rest = contents;
  std::string_view line;
  std::string magic;
  if (!common::TakeLine(rest, line) || !ReadMagicLine(line, magic) || magic.substr(0, 3) != "EMP")
    return false;
  if (HasGridLine(magic)) {
    // The footprint's own grid does not change the board's.
    float ignoredX = 0.0f;
    float ignoredY = 0.0f;
    if (!common::TakeLine(rest, line) || !ReadGridLine(line, ignoredX, ignoredY)) return false;
  }
  return ReadElementLines(rest, [&board](BoardElement&& element) {
    PendingItem item = ItemFromElement(element, 0, PendingMove::Whole);
    item.Group = board.LastGroup;  // the real number is given when the footprint is dropped
    board.Pending.push_back(std::move(item));
  });
}

}  // namespace

std::optional<common::FileProblem> ReadFootprint(Board& board, const std::string& programFolder,
                                                 const std::string& footprintName) {
  std::string contents;
  // The library lists "name.EMP" too: found whatever the file system's case rules.
  const std::string path =
      common::FindEntryIgnoringCase(fs::u8path(programFolder) / "empreintes", footprintName, ".Emp")
          .u8string();
  if (auto problem = common::LoadDocumentText(path, contents, NotFoundText, WrongTypeText))
    return problem;
  if (!ReadFootprintContents(contents, board)) return common::UnreadableFile(WrongTypeText);
  return std::nullopt;
}

}  // namespace lyt
