#pragma once

#include "common/core/geometry.h"
#include "common/core/print_conversion.h"

#include <optional>

namespace lyt {

// Where the printed sheet lies on the page: what is drawn at printer pixel
// (x, y) lands at (x - OriginX, y - OriginY) of the printable area.
struct PagePlacement {
  int OriginX = 0;
  int OriginY = 0;
  bool LargerThanPage = false;  // the elements do not fit on the page at this scale
};

// Up to scale 1 the sheet's top-left corner is the page's. Above, that puts
// a board away from the sheet's corner off the page: when the live elements
// (`extent`, mm) would not all be on the page (`page`, printer pixels),
// their middle goes to the middle of the page instead. A page of unknown
// size or a board without elements keeps the corner.
PagePlacement PlaceOnPage(const std::optional<common::MmBox>& extent,
                          const common::PrintConversion& conversion, common::PixelSize page);

}  // namespace lyt
