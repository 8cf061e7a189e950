#pragma once

#include "common/core/canvas.h"
#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "skt/core/schematic.h"

#include <vector>

namespace skt {

// The picture of a copied selection for other programs: its size in pixels
// and where its top-left corner lies in the drawing area.
struct PictureFrame {
  int Width = 0;
  int Height = 0;
  int OriginX = 0;
  int OriginY = 0;
};

// The selection box at the current zoom; a selection 30 pixels wide or less
// sits in the middle of a 640 by 480 picture.
PictureFrame SelectionPictureFrame(const MmBox& selectionBox, const common::Viewport& viewport);

// Draws the items in black as the screen draws elements (texts in letters,
// not boxes), shifted so that the frame's origin is the picture's corner.
void DrawSelectionPicture(const std::vector<PendingItem>& items, const PictureFrame& frame,
                          const common::Viewport& viewport, const common::StrokeFont& font,
                          common::Canvas& picture);

}  // namespace skt
