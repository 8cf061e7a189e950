#pragma once

#include "common/core/ui_port.h"
#include "common/core/viewport.h"
#include "lyt/core/board.h"

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
};

// Saves the board to FileName through a temporary file. A write-protected
// target is reported to the user; other failures are silent. Modified is
// cleared only when the file was written.
SaveOutcome SaveDocumentFile(Board& board, float gridStepX, float gridStepY, common::UiPort& ui);

// Reads FileName into a board freshly reset by InitDocument, appending to
// Elements. A current-version file sets the viewport's grid steps and shows
// them in the status bar. On an error the user is told and what was read before it stays.
// True when the whole file was read.
bool ReadDocument(Board& board, common::Viewport& viewport, common::UiPort& ui);

// Reads the library footprint `footprintName` (programFolder/empreintes/
// <name>.Emp) into the empty Pending, every item active, moving as a whole,
// stamped with LastGroup. Board files are refused. True on success.
bool ReadFootprint(Board& board, const std::string& programFolder,
                   const std::string& footprintName, common::UiPort& ui);

}  // namespace lyt
