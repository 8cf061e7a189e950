#pragma once

#include "common/core/geometry.h"
#include "lyt/core/board.h"

#include <optional>

namespace lyt {

// Where an element shows on the board, in mm: a track with its width, a pad
// with its copper, a hole with its cross, a circle, a text box. Nothing for
// a deleted record or a kind that is never drawn.
std::optional<MmBox> ElementBox(const BoardElement& element);

// The box of every live element; nothing on an empty board.
std::optional<MmBox> LiveExtent(const Board& board);

}  // namespace lyt
