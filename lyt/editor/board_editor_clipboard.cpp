// Copy, cut, paste, delete and its undo.
//
// Only the active items of a selection are copied or deleted: after shift-click
// cycling the inactive ones are not part of what the user chose.
#include "lyt/editor/board_editor.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace lyt {
namespace {

// The items as a block to be placed again, all of them or the active ones
// only. A track caught by one end was to be stretched; copied or restored,
// it moves as a whole.
std::vector<PendingItem> Block(const std::vector<PendingItem>& items, bool activeOnly) {
  std::vector<PendingItem> block;
  for (const PendingItem& item : items) {
    if (activeOnly && !item.Active) continue;
    block.push_back(item);
    block.back().MoveMode = PendingMove::Whole;
    block.back().Active = true;
  }
  return block;
}

// Gives the footprints of a block numbers above every one in use: the
// smallest becomes LastGroup + 1, the others keep their distance to it, so
// distinct footprints stay distinct.
void RenumberGroups(Board& board) {
  std::int32_t smallest = 0;
  for (const PendingItem& item : board.Pending)
    if (item.Group > 0 && (smallest == 0 || item.Group < smallest)) smallest = item.Group;
  if (smallest == 0) return;
  const std::int64_t offset = static_cast<std::int64_t>(board.LastGroup) + 1 - smallest;
  for (PendingItem& item : board.Pending) {
    if (item.Group <= 0) continue;
    // A damaged file may already use the largest number there is.
    const std::int64_t group =
        std::min<std::int64_t>(item.Group + offset, std::numeric_limits<std::int32_t>::max());
    item.Group = static_cast<std::int32_t>(group);
    board.LastGroup = std::max(board.LastGroup, item.Group);
  }
}

}  // namespace

void BoardEditor::MnuCopier() {
  if (board_.PendingActive) {
    std::vector<PendingItem> block = Block(board_.Pending, true);
    if (!block.empty()) {
      board_.ClipBuffer = std::move(block);
      board_.SavedBox = board_.SelectionBox;
    }
  }
  for (const char* command : {"MnuCouper", "MnuCopier", "MnuSuppr"}) ui_.SetEnabled(command, false);
  ui_.SetEnabled("MnuColler", true);
}

void BoardEditor::MnuCouper() {
  MnuCopier();
  MnuSuppr();
}

void BoardEditor::MnuSuppr() {
  if (tool_ != Tool::Select || !board_.PendingActive) return;
  // Inactive items of a selection stay on the board and must not come back a
  // second time; a new block is not on the board at all, so all of it is
  // kept for the undo.
  board_.UndoBuffer = Block(board_.Pending, !board_.PendingIsNew);
  board_.SavedBox = board_.SelectionBox;
  // Deleting a new block only lets it go: its Index points at whatever it
  // was copied from.
  if (!board_.PendingIsNew) {
    for (const PendingItem& item : board_.Pending) {
      if (!item.Active || item.Index < 0 || item.Index >= static_cast<std::int32_t>(board_.Elements.size()))
        continue;
      board_.Elements[static_cast<std::size_t>(item.Index)].Kind = ElementKind::Deleted;
      board_.Modified = true;
    }
  }
  ui_.SetPointer(common::PointerShape::Arrow);
  ReleaseSelection();
  RedrawBoard();
  if (!board_.UndoBuffer.empty()) ui_.SetEnabled("MnuAnnuler", true);
}

// The deleted items come back where they were, as a new block in hand that
// the next click outside it appends.
// A pasted or restored block is handled by the selection tool. An element
// floating on another tool's pointer, or a track chain, is let go rather than
// dropped where it happens to be.
void BoardEditor::UseSelectionTool() {
  if (tool_ == Tool::Select) return;
  board_.TrackInProgress = false;
  StopTool();
}

void BoardEditor::MnuAnnuler() {
  if (board_.UndoBuffer.empty()) return;
  UseSelectionTool();
  ReleaseSelection();
  RedrawBoard();
  // Taken, not copied: a second undo must not bring the same elements back twice.
  board_.Pending = std::move(board_.UndoBuffer);
  board_.UndoBuffer.clear();
  // Each restored footprint stays a footprint of its own, under a new number.
  RenumberGroups(board_);
  board_.SelectionBox = board_.SavedBox;
  board_.PendingIsNew = true;
  board_.PendingActive = true;
  DrawPending();
  ui_.SetEnabled("MnuAnnuler", false);
}

void BoardEditor::MnuColler() {
  if (board_.ClipBuffer.empty()) return;
  UseSelectionTool();
  CommitPending(board_);  // a held selection is written back, a held new block appended
  ReleaseSelection();
  RedrawBoard();
  board_.Pending = board_.ClipBuffer;
  RenumberGroups(board_);
  board_.SelectionBox = board_.SavedBox;
  PlaceUnderPointer();
  // Set last: letting go of the previous block cleared it.
  board_.PasteInProgress = true;
}

}  // namespace lyt
