#pragma once

#include "bench/bench_result.h"
#include "lyt/core/board.h"

#include <string>
#include <vector>

namespace bench {

// Dragging the forty-element footprint one grid step at each mouse move:
// through the editor alone, drawing into an image, and through the real
// window with the repaint each move asks for. Also prints how many pixels
// a move repaints. `programFolder` is where the window looks for its
// libraries.
std::vector<BenchResult> RunMoveCases(const lyt::Board& board, const std::string& programFolder,
                                      int rounds);

}  // namespace bench
