#pragma once

#include "bench/bench_result.h"
#include "lyt/core/board.h"

#include <vector>

namespace bench {

// The full redraw of the board in a window-sized image, the whole board
// visible and at the default zoom, against a bare QPainter loop drawing the
// same figures.
std::vector<BenchResult> RunRedrawCases(const lyt::Board& board, int rounds);

}  // namespace bench
