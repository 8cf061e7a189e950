#include "common/core/csv_fields.h"
#include "lyt/core/board_file.h"
#include "lyt/core/board_file_lines.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace lyt {
namespace fs = std::filesystem;
namespace {

const char* const NotFoundText = "Fichier d'empreinte Introuvable!";
const char* const WrongTypeText = "Fichier d'empreinte incorrect,\r\nlecture impossible !";

bool IsFootprintExtension(const fs::path& extension) {
  std::string text = extension.u8string();
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text == ".emp";
}

// The library lists files whatever the case of their extension; on a
// case-sensitive file system "name.EMP" must still be found.
fs::path FootprintPath(const std::string& programFolder, const std::string& footprintName) {
  const fs::path folder = fs::u8path(programFolder) / "empreintes";
  const fs::path exact = folder / fs::u8path(footprintName + ".Emp");
  std::error_code error;
  if (fs::exists(exact, error)) return exact;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path& candidate = it->path();
    if (candidate.stem().u8string() == footprintName && IsFootprintExtension(candidate.extension()))
      return candidate;
  }
  return exact;
}

bool ReadFootprintContents(std::string_view contents, Board& board) {
  const std::vector<std::string_view> lines = common::SplitLines(contents);
  std::string magic;
  if (lines.empty() || !ReadMagicLine(lines[0], magic) || magic.substr(0, 3) != "EMP") return false;
  std::size_t first = 1;
  if (HasGridLine(magic)) {
    // The footprint's own grid does not change the board's.
    float ignoredX = 0.0f;
    float ignoredY = 0.0f;
    if (lines.size() < 2 || !ReadGridLine(lines[1], ignoredX, ignoredY)) return false;
    first = 2;
  }
  return ReadElementLines(lines, first, [&board](const BoardElement& element) {
    PendingItem item = ItemFromElement(element, 0, PendingMove::Whole);
    item.Group = board.LastGroup;  // the real number is given when the footprint is dropped
    board.Pending.push_back(item);
  });
}

}  // namespace

std::optional<common::FileProblem> ReadFootprint(Board& board, const std::string& programFolder,
                                                 const std::string& footprintName) {
  std::string contents;
  const std::string path = FootprintPath(programFolder, footprintName).u8string();
  if (auto problem = common::LoadDocumentText(path, contents, NotFoundText, WrongTypeText))
    return problem;
  if (!ReadFootprintContents(contents, board)) return common::UnreadableFile(WrongTypeText);
  return std::nullopt;
}

}  // namespace lyt
