// Copy, cut, paste, delete and its undo.
//
// Only the active items of a selection are copied or deleted: after shift-click
// cycling the inactive ones are not part of what the user chose.
#include "lyt/editor/board_editor.h"

#include "lyt/editor/board_controls.h"

#include <cstddef>

namespace lyt {

void BoardEditor::MnuCopier() {
  if (document_.PendingActive) {
    std::vector<PendingItem> block = common::BlockOf(document_.Pending, true);
    if (!block.empty()) {
      document_.ClipBuffer = std::move(block);
      document_.SavedBox = document_.SelectionBox;
    }
  }
  for (const char* command : {control::MnuCouper, control::MnuCopier, control::MnuSuppr}) ui_.SetEnabled(command, false);
  ui_.SetEnabled(control::MnuColler, true);
}

void BoardEditor::MnuCouper() {
  MnuCopier();
  MnuSuppr();
}

void BoardEditor::MnuSuppr() {
  if (CurrentTool() != Tool::Select || !document_.PendingActive) return;
  // Inactive items of a selection stay on the board and must not come back a
  // second time; a new block is not on the board at all, so all of it is
  // kept for the undo.
  document_.UndoBuffer = common::BlockOf(document_.Pending, !document_.PendingIsNew);
  document_.SavedBox = document_.SelectionBox;
  // Deleting a new block only lets it go: its Index points at whatever it
  // was copied from.
  if (!document_.PendingIsNew) {
    for (const PendingItem& item : document_.Pending) {
      if (!item.Active || item.Index < 0 || item.Index >= static_cast<std::int32_t>(document_.Elements.size()))
        continue;
      document_.Elements[static_cast<std::size_t>(item.Index)].Kind = ElementKind::Deleted;
      document_.Modified = true;
    }
  }
  ui_.SetPointer(common::PointerShape::Arrow);
  ReleaseSelection();
  RedrawBoard();
  if (!document_.UndoBuffer.empty()) ui_.SetEnabled(control::MnuAnnuler, true);
}

// The deleted items come back where they were, as a new block in hand that
// the next click outside it appends.
void BoardEditor::MnuAnnuler() {
  if (document_.UndoBuffer.empty()) return;
  UseSelectionTool();
  ReleaseSelection();
  RedrawBoard();
  // Taken, not copied: a second undo must not bring the same elements back twice.
  document_.Pending = std::move(document_.UndoBuffer);
  document_.UndoBuffer.clear();
  // Each restored footprint stays a footprint of its own, under a new number.
  common::RenumberPendingGroups(document_);
  document_.SelectionBox = document_.SavedBox;
  document_.PendingIsNew = true;
  document_.PendingActive = true;
  DrawPending();
  ui_.SetEnabled(control::MnuAnnuler, false);
}

void BoardEditor::MnuColler() {
  if (document_.ClipBuffer.empty()) return;
  UseSelectionTool();
  CommitPending(document_);  // a held selection is written back, a held new block appended
  ReleaseSelection();
  RedrawBoard();
  document_.Pending = document_.ClipBuffer;
  common::RenumberPendingGroups(document_);
  document_.SelectionBox = document_.SavedBox;
  PlaceUnderPointer();
  // Set last: letting go of the previous block cleared it.
  document_.PasteInProgress = true;
}

}  // namespace lyt
