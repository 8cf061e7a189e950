#pragma once

#include "common/core/colour.h"
#include "common/core/geometry.h"
#include "common/core/untitled_name.h"
#include "lyt/core/board_element.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace lyt {

constexpr float BoardWidth = 269.24f;   // mm
constexpr float BoardHeight = 195.58f;  // mm

using common::UntitledFileName;
constexpr const char* BoardCaptionPrefix = " LYT : ";

using common::MmBox;
using common::MmPoint;

// Display colours: settings of the running program, never saved.
struct BoardColours {
  common::Colour ComponentColour = common::Rgb(0, 192, 0);
  common::Colour SolderColour = common::Rgb(255, 0, 0);
  common::Colour SilkscreenColour = common::Rgb(255, 255, 0);
  // Follows the current copper layer; the solder layer is current at start.
  common::Colour PadColour = common::Rgb(255, 0, 0);
  common::Colour HoleColour = common::Rgb(128, 128, 255);
  common::Colour PreviewColour = common::Rgb(255, 0, 0);
  common::Colour HoleFillColour = common::Rgb(0, 0, 0);
};

// The open board. The tables are plain vectors: size() is the record count,
// a deleted element keeps its slot with Kind 0, so indices held in Pending
// stay valid while the document is open. The grid steps and the point of the
// last click live in the viewport.
struct Board {
  std::vector<BoardElement> Elements;
  std::vector<PendingItem> Pending;     // what is in hand: selection or placement
  std::vector<PendingItem> ClipBuffer;  // survives InitDocument
  std::vector<PendingItem> UndoBuffer;  // the last deleted selection

  std::string FileName = UntitledFileName;  // UTF-8 path
  std::string CaptionPrefix = BoardCaptionPrefix;
  bool Modified = false;
  std::int32_t LastGroup = 0;

  bool PendingActive = false;  // Pending holds items
  bool PendingIsNew = false;   // commit appends rather than writes back
  bool Dragging = false;       // the items follow the pointer
  bool TrackInProgress = false;
  bool PasteInProgress = false;

  MmBox SelectionBox;
  MmBox SavedBox;  // survives InitDocument
  MmPoint PickPoint;

  BoardColours Colours;
};

// The group number after `group`. A damaged file may hold the largest
// number there is: the counter then stays there rather than overflow.
constexpr std::int32_t NextGroup(std::int32_t group) {
  return group < std::numeric_limits<std::int32_t>::max() ? group + 1 : group;
}

// A working copy of an element for Pending, active, moving as `moveMode` says.
PendingItem ItemFromElement(const BoardElement& element, std::int32_t index, std::int32_t moveMode);

// Resets the document part of a new or reopened board: tables, group counter,
// names, the in-hand flags and the colours. ClipBuffer and SavedBox survive;
// Modified is left to the caller. Lists, menus and the window are reset by
// the editor.
void InitDocument(Board& board);

// Copies element `index` into Pending and marks it Selected.
void AddToPending(Board& board, std::int32_t index, std::int32_t moveMode);

// Starts placing the new items of Pending: they follow the pointer from now
// on, and the first item's first point lands on `x`, `y` (the snapped pointer
// position in mm). The editor draws the preview and keeps the drag origin.
void BeginPlacement(Board& board, float x, float y);

// Translates the active items of Pending, each by the points its MoveMode
// names; pads, holes and circles move their centre, a text moves as a whole.
void MovePendingItems(Board& board, float dx, float dy);

// Writes Pending into Elements: appended when new, written back by Index
// otherwise. Pending stays in hand for the next drop.
void CommitPending(Board& board);

// Empties Pending and clears the Selected marks of the elements behind it.
// The editor also disables the selection menu entries at this point.
void ReleasePending(Board& board);

// Gives the items in hand the next group number: each dropped footprint is
// its own group.
void NumberPendingGroup(Board& board);

// Takes every live element of `group` into Pending, unless the group is
// already in hand.
void SelectGroup(Board& board, std::int32_t group);

}  // namespace lyt
