#include "skt/core/selection_picture.h"

#include "common/core/offset_canvas.h"
#include "common/core/rounding.h"
#include "skt/core/schematic_renderer.h"

namespace skt {
namespace {

constexpr int NarrowLimit = 30;  // pixels
constexpr int FixedWidth = 640;
constexpr int FixedHeight = 480;

// Every colour black: the picture is a black drawing on a light background.
SchematicColours Black() {
  const common::Colour black = common::Rgb(0, 0, 0);
  return {black, black, black, black, black, black, black, black};
}

}  // namespace

PictureFrame SelectionPictureFrame(const MmBox& box, const common::Viewport& viewport) {
  const int left = viewport.MmToPixels(box.Left);
  const int top = viewport.MmToPixels(box.Top);
  const long long width = static_cast<long long>(viewport.MmToPixels(box.Right)) - left;
  const long long height = static_cast<long long>(viewport.MmToPixels(box.Bottom)) - top;
  // A box too wide or too tall for a picture (a damaged file's far element)
  // falls back to the fixed frame as well.
  const bool usable = width > NarrowLimit && height > 0 && width <= 16384 && height <= 16384;
  if (!usable)
    return {FixedWidth, FixedHeight, common::SaturatingAdd(left, -FixedWidth / 2),
            common::SaturatingAdd(top, -FixedHeight / 2)};
  return {static_cast<int>(width), static_cast<int>(height), left, top};
}

// The items are drawn as elements of a schematic of their own, in black.
void DrawSelectionPicture(const std::vector<PendingItem>& items, const PictureFrame& frame,
                          const common::Viewport& viewport, const common::StrokeFont& font,
                          common::Canvas& picture) {
  Schematic selection;
  selection.Colours = Black();
  for (const PendingItem& item : items)
    selection.Elements.push_back(common::NewElementFrom<SchematicElement>(item));
  common::OffsetCanvas shifted(picture, frame.OriginX, frame.OriginY);
  shifted.SetDrawMode(common::DrawMode::CopyPen);
  DrawElements(selection, viewport, font, shifted);
}

}  // namespace skt
