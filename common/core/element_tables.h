#pragma once

#include "common/core/geometry.h"
#include "common/core/untitled_name.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace common {

// The element table of a drawing and the table of what is in hand, shared by
// the board and the schematic. Both programs keep their drawing as plain
// records: an element of `Elements`, and a working copy of one in `Pending`.
// The records are the programs' own structs; the routines here need only the
// fields both have (Group, Kind, Size, X1, Y1, X2, Y2, Text, Angle, Selected
// on elements; Index, MoveMode and Active on items), and two functions of the
// record's own namespace, found by argument-dependent lookup:
//   void CopyOwnFields(const Element&, Item&) and (const Item&, Element&):
//       the fields only that program has (a board's layer);
//   MovedPoints PointsMovedBy(const Item&): which points a move shifts.

// Kind 0 marks a deleted record; texts are kind 10 in both programs.
constexpr std::int32_t DeletedKind = 0;
constexpr std::int32_t TextKind = 10;

// How a pending item follows the pointer.
namespace PendingMove {
constexpr std::int32_t FirstPoint = 0;   // only X1,Y1
constexpr std::int32_t SecondPoint = 1;  // only X2,Y2
constexpr std::int32_t Whole = 2;        // both points
}  // namespace PendingMove

struct MovedPoints {
  bool First = false;
  bool Second = false;
};

// Which points a move shifts by the item's MoveMode alone.
inline MovedPoints PointsOfMoveMode(std::int32_t moveMode) {
  return {moveMode == PendingMove::FirstPoint || moveMode == PendingMove::Whole,
          moveMode == PendingMove::SecondPoint || moveMode == PendingMove::Whole};
}

// The open drawing: its tables and the flags that describe what is in hand.
// The tables are plain vectors: size() is the record count, and a deleted
// element keeps its slot with Kind 0, so the indices held in Pending stay
// valid while the document is open.
template <class Element, class Item>
struct DrawingDocument {
  using ElementType = Element;
  using ItemType = Item;

  std::vector<Element> Elements;
  std::vector<Item> Pending;     // what is in hand: selection or placement
  std::vector<Item> ClipBuffer;  // survives InitDocument
  std::vector<Item> UndoBuffer;  // the last deleted selection

  std::string FileName = UntitledFileName;  // UTF-8 path
  std::string CaptionPrefix;
  bool Modified = false;
  std::int32_t LastGroup = 0;

  bool PendingActive = false;    // Pending holds items
  bool PendingIsNew = false;     // commit appends rather than writes back
  bool Dragging = false;         // the items follow the pointer
  bool LineInProgress = false;   // a chain of tracks or wires is being drawn
  bool PasteInProgress = false;  // a pasted block waits for its first click

  MmBox SelectionBox;
  MmBox SavedBox;  // survives InitDocument
  MmPoint PickPoint;
};

// Positions made by placing, moving, pasting or turning stay within a
// kilometre of the sheet: far beyond any drawing, and always finite, even
// for elements a damaged file put near the largest float there is.
constexpr float PositionLimit = 1.0e6f;

inline float ClampPosition(double position) {
  if (!(position > -PositionLimit)) return -PositionLimit;  // NaN included
  return position < PositionLimit ? static_cast<float>(position) : PositionLimit;
}

// The group number after `group`. A damaged file may hold the largest number
// there is: the counter then stays there rather than overflow.
constexpr std::int32_t NextGroup(std::int32_t group) {
  return group < std::numeric_limits<std::int32_t>::max() ? group + 1 : group;
}

template <class Document>
bool IsSlot(const Document& document, std::int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < document.Elements.size();
}

// A working copy of an element for Pending, active, moving as `moveMode` says.
template <class Item, class Element>
Item ItemFromElement(const Element& element, std::int32_t index, std::int32_t moveMode) {
  Item item;
  item.Index = index;
  item.Group = element.Group;
  item.Kind = element.Kind;
  item.Size = element.Size;
  item.X1 = element.X1;
  item.Y1 = element.Y1;
  item.X2 = element.X2;
  item.Y2 = element.Y2;
  item.MoveMode = moveMode;
  item.Active = true;
  item.Text = element.Text;
  item.Angle = element.Angle;
  CopyOwnFields(element, item);
  return item;
}

// What an item gives its element when it is written back. Group and Kind
// stay: a delete (Kind 0) made while the item was in hand must not be undone.
template <class Item, class Element>
void WriteBackItem(const Item& item, Element& element) {
  element.Size = item.Size;
  element.X1 = item.X1;
  element.Y1 = item.Y1;
  element.X2 = item.X2;
  element.Y2 = item.Y2;
  element.Text = item.Text;
  element.Angle = item.Angle;
  CopyOwnFields(item, element);
}

template <class Element, class Item>
Element NewElementFrom(const Item& item) {
  Element element;
  element.Group = item.Group;
  element.Kind = item.Kind;
  WriteBackItem(item, element);
  element.Selected = false;
  return element;
}

// Resets what every document resets for New and Open: tables, group counter,
// name and the in-hand flags. ClipBuffer and SavedBox survive; Modified is
// left to the caller.
template <class Document>
void ResetDrawingDocument(Document& document) {
  document.Elements.clear();
  document.Pending.clear();
  document.UndoBuffer.clear();
  document.LastGroup = 0;
  document.FileName = UntitledFileName;
  document.LineInProgress = false;
  document.PendingActive = false;
  document.Dragging = false;
  // Pending is empty now: flags describing it must not outlive it.
  document.PendingIsNew = false;
  document.PasteInProgress = false;
  document.PickPoint = MmPoint{};
}

// Copies element `index` into Pending and marks it Selected.
template <class Document>
void AddToPending(Document& document, std::int32_t index, std::int32_t moveMode) {
  using Item = typename Document::ItemType;
  if (!IsSlot(document, index)) return;
  auto& element = document.Elements[static_cast<std::size_t>(index)];
  document.Pending.push_back(ItemFromElement<Item>(element, index, moveMode));
  element.Selected = true;
  document.PendingActive = true;
  document.Modified = true;
}

// Applies `moveX` and `moveY` to the points each active item of Pending
// moves, keeping every result finite and within the limit.
template <class Document, class MoveX, class MoveY>
void MovePendingPoints(Document& document, MoveX moveX, MoveY moveY) {
  for (auto& item : document.Pending) {
    if (!item.Active) continue;
    const MovedPoints moved = PointsMovedBy(item);
    if (moved.First) {
      item.X1 = ClampPosition(moveX(item.X1));
      item.Y1 = ClampPosition(moveY(item.Y1));
    }
    if (moved.Second) {
      item.X2 = ClampPosition(moveX(item.X2));
      item.Y2 = ClampPosition(moveY(item.Y2));
    }
  }
}

// Translates the active items of Pending, each by the points it moves.
template <class Document>
void MovePendingItems(Document& document, double dx, double dy) {
  MovePendingPoints(document, [dx](double x) { return x + dx; }, [dy](double y) { return y + dy; });
}

// Starts placing the new items of Pending: they follow the pointer from now
// on, and the first item's first point lands on `x`, `y` (the snapped pointer
// position in mm). The editor draws the preview and keeps the drag origin.
template <class Document>
void BeginPlacement(Document& document, float x, float y) {
  document.PendingIsNew = true;
  document.PendingActive = true;
  document.Dragging = true;
  if (document.Pending.empty()) return;
  const float handleX = document.Pending.front().X1;
  const float handleY = document.Pending.front().Y1;
  if (std::abs(handleX) <= PositionLimit && std::abs(handleY) <= PositionLimit) {
    MovePendingItems(document, x - handleX, y - handleY);
    return;
  }
  // A damaged file put the handle far away: each point keeps its offset
  // from it, so the handle still lands on the pointer and nothing overflows.
  MovePendingPoints(
      document, [&](double px) { return x + (px - handleX); },
      [&](double py) { return y + (py - handleY); });
}

// Writes Pending into Elements: appended when new, written back by Index
// otherwise. Pending stays in hand for the next drop.
template <class Document>
void CommitPending(Document& document) {
  using Element = typename Document::ElementType;
  if (!document.PendingActive) return;
  for (const auto& item : document.Pending) {
    if (document.PendingIsNew)
      document.Elements.push_back(NewElementFrom<Element>(item));
    else if (IsSlot(document, item.Index))
      WriteBackItem(item, document.Elements[static_cast<std::size_t>(item.Index)]);
  }
  document.Modified = true;
}

// Empties Pending and clears the Selected marks of the elements behind it.
// The editor also disables the selection menu entries at this point.
template <class Document>
void ReleasePending(Document& document) {
  // A new block has no element behind it: its Index (0, or the element it
  // was copied from) must not reach the marks of the drawing.
  if (document.PendingActive && !document.PendingIsNew) {
    for (const auto& item : document.Pending)
      if (IsSlot(document, item.Index))
        document.Elements[static_cast<std::size_t>(item.Index)].Selected = false;
  }
  document.PendingIsNew = false;
  document.PendingActive = false;
  document.Dragging = false;
  document.Pending.clear();
}

// Gives the items in hand the next group number: each dropped footprint,
// symbol or component is its own group.
template <class Document>
void NumberPendingGroup(Document& document) {
  document.LastGroup = NextGroup(document.LastGroup);
  for (auto& item : document.Pending) item.Group = document.LastGroup;
}

// Takes every live element of `group` into Pending, unless the group is
// already in hand.
template <class Document>
void SelectGroup(Document& document, std::int32_t group) {
  const bool inHand = std::any_of(document.Pending.begin(), document.Pending.end(),
                                  [group](const auto& item) { return item.Group == group; });
  if (inHand) return;
  for (std::size_t i = 0; i < document.Elements.size(); ++i) {
    const auto& element = document.Elements[i];
    // A deleted member of a partly deleted group stays out of the selection.
    if (element.Group == group && element.Kind != DeletedKind)
      AddToPending(document, static_cast<std::int32_t>(i), PendingMove::Whole);
  }
  document.Modified = true;
}

// The items as a block to be placed again (copy, cut, undo), all of them or
// the active ones only. A line caught by one end was to be stretched; copied
// or restored, it moves as a whole.
template <class Item>
std::vector<Item> BlockOf(const std::vector<Item>& items, bool activeOnly) {
  std::vector<Item> block;
  for (const Item& item : items) {
    if (activeOnly && !item.Active) continue;
    block.push_back(item);
    block.back().MoveMode = PendingMove::Whole;
    block.back().Active = true;
  }
  return block;
}

// Gives the groups of the block in hand numbers above every one in use: the
// smallest becomes LastGroup + 1, the others keep their distance to it, so
// distinct groups stay distinct.
template <class Document>
void RenumberPendingGroups(Document& document) {
  std::int32_t smallest = 0;
  for (const auto& item : document.Pending)
    if (item.Group > 0 && (smallest == 0 || item.Group < smallest)) smallest = item.Group;
  if (smallest == 0) return;
  const std::int64_t offset = static_cast<std::int64_t>(document.LastGroup) + 1 - smallest;
  for (auto& item : document.Pending) {
    if (item.Group <= 0) continue;
    // A damaged file may already use the largest number there is.
    const std::int64_t group =
        std::min<std::int64_t>(item.Group + offset, std::numeric_limits<std::int32_t>::max());
    item.Group = static_cast<std::int32_t>(group);
    document.LastGroup = std::max(document.LastGroup, item.Group);
  }
}

}  // namespace common
