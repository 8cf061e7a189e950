#include "lyt/core/board.h"

#include <algorithm>
#include <cstddef>

namespace lyt {
namespace {

bool IsSlot(const Board& board, std::int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < board.Elements.size();
}

BoardElement NewElementFrom(const PendingItem& item) {
  BoardElement element;
  element.Group = item.Group;
  element.Kind = item.Kind;
  element.Layer = item.Layer;
  element.Size = item.Size;
  element.X1 = item.X1;
  element.Y1 = item.Y1;
  element.X2 = item.X2;
  element.Y2 = item.Y2;
  element.Selected = false;
  element.Text = item.Text;
  element.Angle = item.Angle;
  return element;
}

// A selection written back keeps its element's Group and Kind: a delete
// (Kind 0) made while it was in hand must not be undone by the commit.
void WriteBack(const PendingItem& item, BoardElement& element) {
  element.Layer = item.Layer;
  element.Size = item.Size;
  element.X1 = item.X1;
  element.Y1 = item.Y1;
  element.X2 = item.X2;
  element.Y2 = item.Y2;
  element.Text = item.Text;
  element.Angle = item.Angle;
}

bool MovesFirstPoint(const PendingItem& item) {
  if (IsCentredShape(item.Kind) || item.Kind == ElementKind::Text) return true;
  return item.MoveMode == PendingMove::FirstPoint || item.MoveMode == PendingMove::Whole;
}

bool MovesSecondPoint(const PendingItem& item) {
  if (IsCentredShape(item.Kind)) return false;
  if (item.Kind == ElementKind::Text) return true;
  return item.MoveMode == PendingMove::SecondPoint || item.MoveMode == PendingMove::Whole;
}

bool GroupInHand(const Board& board, std::int32_t group) {
  return std::any_of(board.Pending.begin(), board.Pending.end(),
                     [group](const PendingItem& item) { return item.Group == group; });
}

}  // namespace

PendingItem ItemFromElement(const BoardElement& element, std::int32_t index, std::int32_t moveMode) {
  PendingItem item;
  item.Index = index;
  item.Group = element.Group;
  item.Kind = element.Kind;
  item.Layer = element.Layer;
  item.Size = element.Size;
  item.X1 = element.X1;
  item.Y1 = element.Y1;
  item.X2 = element.X2;
  item.Y2 = element.Y2;
  item.MoveMode = moveMode;
  item.Active = true;
  item.Text = element.Text;
  item.Angle = element.Angle;
  return item;
}

void InitDocument(Board& board) {
  board.Elements.clear();
  board.Pending.clear();
  board.UndoBuffer.clear();
  board.LastGroup = 0;
  board.FileName = UntitledFileName;
  board.CaptionPrefix = BoardCaptionPrefix;
  board.TrackInProgress = false;
  board.PendingActive = false;
  board.Dragging = false;
  // Pending is empty now: flags describing it must not outlive it.
  board.PendingIsNew = false;
  board.PasteInProgress = false;
  board.PickPoint = MmPoint{};
  board.Colours = BoardColours{};
}

void AddToPending(Board& board, std::int32_t index, std::int32_t moveMode) {
  if (!IsSlot(board, index)) return;
  BoardElement& element = board.Elements[static_cast<std::size_t>(index)];
  board.Pending.push_back(ItemFromElement(element, index, moveMode));
  element.Selected = true;
  board.PendingActive = true;
  board.Modified = true;
}

void BeginPlacement(Board& board, float x, float y) {
  board.PendingIsNew = true;
  board.PendingActive = true;
  board.Dragging = true;
  if (board.Pending.empty()) return;
  const PendingItem& handle = board.Pending.front();
  MovePendingItems(board, x - handle.X1, y - handle.Y1);
}

void MovePendingItems(Board& board, float dx, float dy) {
  for (PendingItem& item : board.Pending) {
    if (!item.Active) continue;
    if (MovesFirstPoint(item)) {
      item.X1 += dx;
      item.Y1 += dy;
    }
    if (MovesSecondPoint(item)) {
      item.X2 += dx;
      item.Y2 += dy;
    }
  }
}

void CommitPending(Board& board) {
  if (!board.PendingActive) return;
  for (const PendingItem& item : board.Pending) {
    if (board.PendingIsNew) {
      board.Elements.push_back(NewElementFrom(item));
    } else if (IsSlot(board, item.Index)) {
      WriteBack(item, board.Elements[static_cast<std::size_t>(item.Index)]);
    }
  }
  board.Modified = true;
}

void ReleasePending(Board& board) {
  // A new block has no element behind it: its Index (0, or the element it
  // was copied from) must not reach the marks of the board.
  if (board.PendingActive && !board.PendingIsNew) {
    for (const PendingItem& item : board.Pending)
      if (IsSlot(board, item.Index)) board.Elements[static_cast<std::size_t>(item.Index)].Selected = false;
  }
  board.PendingIsNew = false;
  board.PendingActive = false;
  board.Dragging = false;
  board.Pending.clear();
}

void NumberPendingGroup(Board& board) {
  board.LastGroup = NextGroup(board.LastGroup);
  for (PendingItem& item : board.Pending) item.Group = board.LastGroup;
}

void SelectGroup(Board& board, std::int32_t group) {
  if (GroupInHand(board, group)) return;
  for (std::size_t i = 0; i < board.Elements.size(); ++i) {
    const BoardElement& element = board.Elements[i];
    // A deleted member of a partly deleted footprint stays out of the selection.
    if (element.Group == group && element.Kind != ElementKind::Deleted)
      AddToPending(board, static_cast<std::int32_t>(i), PendingMove::Whole);
  }
  board.Modified = true;
}

}  // namespace lyt
