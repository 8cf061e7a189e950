#include "lyt/core/board_extent.h"

#include "common/core/drawing_extent.h"

namespace lyt {
namespace {

// Oval and rectangular pads are 4 Size long and 2 Size wide, lying along x
// at 0 and 180 degrees, along y otherwise.
MmBox LongPadBox(const BoardElement& pad) {
  const bool lying = pad.Angle == 0 || pad.Angle == 180;
  const float halfX = lying ? 2 * pad.Size : pad.Size;
  const float halfY = lying ? pad.Size : 2 * pad.Size;
  return {pad.X1 - halfX, pad.Y1 - halfY, pad.X1 + halfX, pad.Y1 + halfY};
}

}  // namespace

std::optional<MmBox> ElementBox(const BoardElement& e) {
  switch (e.Kind) {
    case ElementKind::Track: return common::BoxOfSegment(e.X1, e.Y1, e.X2, e.Y2, e.Size / 2);
    case ElementKind::RoundPad:
    case ElementKind::SquarePad:
    case ElementKind::Circle: return common::BoxAround(e.X1, e.Y1, e.Size);
    case ElementKind::OvalPad:
    case ElementKind::RectPad: return LongPadBox(e);
    case ElementKind::Hole: return common::BoxAround(e.X1, e.Y1, 1.5f * e.Size);
    case ElementKind::Text: return common::BoxOfSegment(e.X1, e.Y1, e.X2, e.Y2, 0.0f);
    default: return std::nullopt;
  }
}

std::optional<MmBox> LiveExtent(const Board& board) {
  return common::ExtentOf(board.Elements, ElementBox);
}

}  // namespace lyt
