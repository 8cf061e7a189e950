#pragma once

#include "common/core/canvas.h"
#include "common/core/grid_drawing.h"
#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "skt/core/schematic.h"

namespace skt {

// Pens of the schematic, in mm.
constexpr float WirePen = 0.1f;
constexpr float BusPen = 0.5f;
constexpr float JunctionHalf = 0.4f;  // half the side of a junction's square

using common::VisibleArea;

// Clears the drawing area and draws the whole schematic: grid and centre
// mark, every live element not in hand, then what is in hand.
void RedrawSchematic(const Schematic& schematic, const VisibleArea& visible,
                     const common::Viewport& viewport, const common::StrokeFont& font,
                     common::Canvas& canvas);

// Every live element whose Selected mark is clear, in copy pen: free lines
// and junctions in their own colours, those of a group in the symbol colour;
// kinds 6 to 8 draw nothing.
void DrawElements(const Schematic& schematic, const common::Viewport& viewport,
                  const common::StrokeFont& font, common::Canvas& canvas);

// Every active item in hand with the inverting pen in the preview colour;
// drawing them a second time erases them. A text shows as its box.
void DrawPending(const Schematic& schematic, const common::Viewport& viewport,
                 common::Canvas& canvas);

// One item of DrawPending, whether active or not, for moving items one by
// one. Kinds without a figure draw nothing.
void DrawPendingItem(const PendingItem& item, const SchematicColours& colours,
                     const common::Viewport& viewport, common::Canvas& canvas);

}  // namespace skt
