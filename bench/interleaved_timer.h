#pragma once

#include <functional>

namespace bench {

// What one pair of runs gave: the median time of each side per run and the
// median of the ratios of the rounds.
struct PairTiming {
  double CaseSeconds = 0.0;
  double BaselineSeconds = 0.0;
  double Ratio = 0.0;
};

// Runs the case and its baseline in alternation, round after round, so that
// a burst of load from another process on the shared machine hits both
// sides alike. Each side repeats within a round until it has run long
// enough for the clock; the medians leave out the odd slow round.
PairTiming TimePair(const std::function<void()>& runCase, const std::function<void()>& runBaseline,
                    int rounds);

// The median time per run of one routine alone, over `rounds` rounds.
double TimeAlone(const std::function<void()>& run, int rounds);

}  // namespace bench
