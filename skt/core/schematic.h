#pragma once

#include "common/core/colour.h"
#include "common/core/element_tables.h"
#include "common/core/geometry.h"
#include "common/core/untitled_name.h"
#include "skt/core/schematic_element.h"

#include <array>
#include <cstdint>

namespace skt {

// One landscape A4 sheet less its margins.
constexpr float SheetWidth = 285.0f;   // mm
constexpr float SheetHeight = 195.0f;  // mm

using common::UntitledFileName;
constexpr const char* SchematicCaptionPrefix = " SKT : ";

using common::MmBox;
using common::MmPoint;

// Circle radii in mm by index of the circle size list ComboRond, whose
// entries show the diameters.
inline constexpr std::array<float, 17> CircleRadii = {0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f,
                                                      2.5f, 3.0f,  3.5f, 4.0f,  5.0f, 6.0f,
                                                      7.0f, 8.0f,  9.0f, 10.0f, 12.0f};
inline constexpr std::array<const char*, 17> CircleDiameterLabels = {
    "1mm", "->1.5mm", "2mm",  "2.5mm", "3mm",  "4mm",  "5mm",  "6mm", "7mm",
    "8mm", "10mm",    "12mm", "14mm",  "16mm", "18mm", "20mm", "24mm"};
constexpr int InitialCircleIndex = 1;

// Text heights in mm by index of the text dialog's size list.
inline constexpr std::array<float, 10> TextSizes = {1.5f, 2.0f, 3.0f, 4.0f, 5.0f,
                                                    6.0f, 7.0f, 8.0f, 9.0f, 10.0f};

// The radius for an entry of ComboRond; the initial entry's when none is chosen.
float CircleRadiusAt(int index);

// Display colours: settings of the running program, never saved.
struct SchematicColours {
  common::Colour WireColour = common::Rgb(192, 192, 192);      // free wires, bus entries
  common::Colour BusColour = common::Rgb(0, 0, 255);           // free buses
  common::Colour DottedColour = common::Rgb(0, 255, 0);        // free dotted lines
  common::Colour JunctionColour = common::Rgb(255, 128, 255);  // free junctions
  common::Colour SymbolColour = common::Rgb(255, 0, 0);        // lines and junctions of a group
  common::Colour CircleColour = common::Rgb(255, 0, 0);
  common::Colour TextColour = common::Rgb(255, 255, 0);
  common::Colour PreviewColour = common::Rgb(255, 0, 0);  // in hand, text boxes, band
};

// The open schematic: the shared tables and flags, the schematic's colours
// and whether the copy buffer holds a block (it survives New and Open, so a
// block copied in one schematic can be pasted into the next).
struct Schematic : common::DrawingDocument<SchematicElement, PendingItem> {
  Schematic() { CaptionPrefix = SchematicCaptionPrefix; }
  SchematicColours Colours;
  bool ClipboardFull = false;
};

// The element-table primitives, shared with the board.
using common::AddToPending;
using common::BeginPlacement;
using common::CommitPending;
using common::MovePendingItems;
using common::NextGroup;
using common::NumberPendingGroup;
using common::ReleasePending;
using common::SelectGroup;

inline PendingItem ItemFromElement(const SchematicElement& element, std::int32_t index,
                                   std::int32_t moveMode) {
  return common::ItemFromElement<PendingItem>(element, index, moveMode);
}

// Resets the document part of a new or reopened schematic: tables, group
// counter, name, the in-hand flags and the colours. ClipBuffer, SavedBox and
// ClipboardFull survive; Modified is left to the caller. Lists, menus and the
// window are reset by the editor.
void InitDocument(Schematic& schematic);

}  // namespace skt
