#include "lyt/print/core/page_placement.h"

namespace lyt {

PagePlacement PlaceOnPage(const std::optional<common::MmBox>& extent,
                          const common::PrintConversion& conversion, common::PixelSize page) {
  if (conversion.Scale() <= 1.0f || !extent || page.Width <= 0 || page.Height <= 0) return {};
  const int left = conversion.X(extent->Left), right = conversion.X(extent->Right);
  const int top = conversion.Y(extent->Top), bottom = conversion.Y(extent->Bottom);
  if (left >= 0 && top >= 0 && right <= page.Width && bottom <= page.Height) return {};
  PagePlacement placement;
  placement.OriginX = left + (right - left) / 2 - page.Width / 2;
  placement.OriginY = top + (bottom - top) / 2 - page.Height / 2;
  placement.LargerThanPage = right - left > page.Width || bottom - top > page.Height;
  return placement;
}

}  // namespace lyt
