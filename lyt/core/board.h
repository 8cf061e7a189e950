#pragma once

#include "common/core/colour.h"
#include "common/core/element_tables.h"
#include "common/core/geometry.h"
#include "common/core/untitled_name.h"
#include "lyt/core/board_element.h"

#include <cstdint>

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

// The open board: the shared tables and flags, and the board's colours. Its
// LineInProgress is the track chain. The grid steps and the point of the
// last click live in the viewport.
struct Board : common::DrawingDocument<BoardElement, PendingItem> {
  Board() { CaptionPrefix = BoardCaptionPrefix; }
  BoardColours Colours;
};

// The element-table primitives, shared with the schematic.
using common::AddToPending;
using common::BeginPlacement;
using common::CommitPending;
using common::MovePendingItems;
using common::NextGroup;
using common::NumberPendingGroup;
using common::ReleasePending;
using common::SelectGroup;

// A working copy of an element for Pending, active, moving as `moveMode` says.
inline PendingItem ItemFromElement(const BoardElement& element, std::int32_t index,
                                   std::int32_t moveMode) {
  return common::ItemFromElement<PendingItem>(element, index, moveMode);
}

// Resets the document part of a new or reopened board: tables, group counter,
// names, the in-hand flags and the colours. ClipBuffer and SavedBox survive;
// Modified is left to the caller. Lists, menus and the window are reset by
// the editor.
void InitDocument(Board& board);

}  // namespace lyt
