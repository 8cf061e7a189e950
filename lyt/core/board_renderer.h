#pragma once

#include "common/core/canvas.h"
#include "common/core/grid_drawing.h"
#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "lyt/core/board.h"
#include "lyt/core/board_element.h"

#include <cstdint>

namespace lyt {

// The window's layer settings: which layer option button is on, and which
// layer menus carry their check mark.
struct LayerView {
  std::int32_t CurrentLayer = BoardLayer::Solder;  // OptComposant, OptSoudure, OptSerig
  bool ShowComponent = true;                       // MnuComposant
  bool ShowSolder = true;                          // MnuSoudure
  bool ShowSilkscreen = true;                      // MnuSerig
};

using common::VisibleArea;

// Clears the drawing area and draws the whole board: grid and centre mark,
// the layers with the current copper layer above the other one, pads,
// silkscreen, holes on top of everything, then what is in hand.
void RedrawBoard(const Board& board, const LayerView& layers, const VisibleArea& visible,
                 const common::Viewport& viewport, const common::StrokeFont& font,
                 common::Canvas& canvas);

// Draws every active item in hand with the inverting pen in the preview
// colour; drawing them a second time erases them.
void DrawPending(const Board& board, const common::Viewport& viewport, common::Canvas& canvas);

// One item of DrawPending, for moving items one by one. A text shows as its
// box; kinds without a figure draw nothing.
void DrawPendingItem(const PendingItem& item, const BoardColours& colours,
                     const common::Viewport& viewport, common::Canvas& canvas);

// The layer drawers draw the live, unselected elements they take, in copy
// pen. A layer whose menu is unchecked draws nothing.
void DrawComponentLayer(const Board& board, const LayerView& layers,
                        const common::Viewport& viewport, const common::StrokeFont& font,
                        common::Canvas& canvas);
// Solder-side texts are read from the other side of the board: mirrored.
void DrawSolderLayer(const Board& board, const LayerView& layers, const common::Viewport& viewport,
                     const common::StrokeFont& font, common::Canvas& canvas);
void DrawSilkscreenLayer(const Board& board, const LayerView& layers,
                         const common::Viewport& viewport, const common::StrokeFont& font,
                         common::Canvas& canvas);
// Pads and holes belong to both copper layers: always drawn.
void DrawPads(const Board& board, const common::Viewport& viewport, common::Canvas& canvas);
void DrawHoles(const Board& board, const common::Viewport& viewport, common::Canvas& canvas);

}  // namespace lyt
