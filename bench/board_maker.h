#pragma once

#include "lyt/core/board.h"

#include <cstddef>
#include <cstdint>

namespace bench {

// The footprint every board has at the sheet centre: twenty pads with their
// holes, forty elements, the selection the drag cases move.
constexpr std::int32_t kMovedGroup = 1;
constexpr std::size_t kMovedGroupSize = 40;

// A board of `count` elements spread over the sheet and the layers, always
// the same for the same count: tracks, pads with holes, circles, texts and
// footprints (pads, holes, a silkscreen outline and a name), in the
// proportions of a hobby board. The moved footprint comes first.
lyt::Board MakeBoard(std::size_t count);

}  // namespace bench
