#pragma once

#include "common/core/file_problem.h"
#include "common/core/viewport.h"
#include "lyt/core/board.h"

#include <optional>
#include <string>

namespace lyt {

// Board (".Lyt") and footprint (".Emp") files: Windows-1252 text, CR LF line
// ends, a magic line, a grid line, then one line per live element.

// True when the last three letters of `fileName`, upper-cased, are "EMP".
bool IsFootprintFileName(const std::string& fileName);

// The file text of the board: the magic chosen by FileName ("EMP 3" for a
// footprint, "LYT 3" otherwise), the grid steps, then the live elements.
std::string WriteDocument(const Board& board, float gridStepX, float gridStepY);

struct SaveOutcome {
  bool Saved = false;
  bool RefillFootprintList = false;  // a footprint file was saved
  // A write-protected target; other failures are silent.
  std::optional<common::FileProblem> Problem;
};

// Saves the board to FileName through a temporary file. Modified is cleared
// only when the file was written.
SaveOutcome SaveDocumentFile(Board& board, float gridStepX, float gridStepY);

struct ReadOutcome {
  // Nothing when the whole file was read.
  std::optional<common::FileProblem> Problem;
  // The viewport took the file's grid steps (also when a later line failed):
  // the status bar must show them.
  bool GridStepsRead = false;

  bool Complete() const { return !Problem; }
};

// Reads FileName into a board freshly reset by InitDocument, appending to
// Elements. A current-version file sets the viewport's grid steps. On an
// error what was read before it stays.
ReadOutcome ReadDocument(Board& board, common::Viewport& viewport);

// Reads the library footprint `footprintName` (programFolder/empreintes/
// <name>.Emp) into the empty Pending, every item active, moving as a whole,
// stamped with LastGroup. Board files are refused. Nothing on success; on a
// failure the items read before it stay in Pending.
std::optional<common::FileProblem> ReadFootprint(Board& board, const std::string& programFolder,
                                                 const std::string& footprintName);

}  // namespace lyt
