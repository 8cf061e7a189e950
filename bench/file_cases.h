#pragma once

#include "bench/bench_result.h"
#include "lyt/core/board.h"

#include <string>
#include <vector>

namespace bench {

// Reading and writing the board file and exporting the Gerber and drill
// files, each against a raw in-memory read or write of the same bytes.
// The files go to `folder`.
std::vector<BenchResult> RunFileCases(const lyt::Board& board, const std::string& folder, int rounds);

}  // namespace bench
