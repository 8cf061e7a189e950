#pragma once

#include "common/core/viewport.h"
#include "skt/core/schematic_element.h"

#include <vector>

namespace skt {

// The standard symbols the tools place, built from ordinary elements around
// a local origin in mm. The first item's first point is the handle that
// lands on the pointer. Every item is new (Index 0), free (Group 0: a group
// number is given at each drop of a grouped symbol), moves whole and is
// active.
enum class Symbol { Junction, BusEntry, Circle, Ground, Earth, Plus5V, Minus5V, Arrow, SheetLink };

// Whether each drop of the symbol becomes a group of its own.
bool IsGroupedSymbol(Symbol symbol);

// The items of `symbol`. `circleRadius` sizes the circle; the viewport
// measures the +5V and -5V labels as they are drawn at the current zoom.
std::vector<PendingItem> BuildSymbol(Symbol symbol, float circleRadius,
                                     const common::Viewport& viewport);

// A label text from (x, y): its box is as long as the text drawn at the
// current zoom and `height` high.
PendingItem LabelItem(const char* text, float height, float x, float y,
                      const common::Viewport& viewport);

}  // namespace skt
