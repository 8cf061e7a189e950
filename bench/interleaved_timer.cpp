#include "bench/interleaved_timer.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

// Long enough for the clock and short enough for many rounds.
constexpr double kBatchSeconds = 0.004;

double SecondsOf(const std::function<void()>& run, int repeats) {
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < repeats; ++i) run();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// How many runs fill a batch, found from one timed run (after a warm-up).
int RepeatsFor(const std::function<void()>& run) {
  run();
  const double once = std::max(SecondsOf(run, 1), 1e-9);
  return std::clamp(static_cast<int>(kBatchSeconds / once), 1, 1 << 20);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

PairTiming TimePair(const std::function<void()>& runCase, const std::function<void()>& runBaseline,
                    int rounds) {
  const int caseRepeats = RepeatsFor(runCase);
  const int baselineRepeats = RepeatsFor(runBaseline);
  std::vector<double> caseTimes, baselineTimes, ratios;
  for (int round = 0; round < rounds; ++round) {
    // Which side goes first alternates too.
    double c = 0.0, b = 0.0;
    if (round % 2 == 0) {
      c = SecondsOf(runCase, caseRepeats) / caseRepeats;
      b = SecondsOf(runBaseline, baselineRepeats) / baselineRepeats;
    } else {
      b = SecondsOf(runBaseline, baselineRepeats) / baselineRepeats;
      c = SecondsOf(runCase, caseRepeats) / caseRepeats;
    }
    caseTimes.push_back(c);
    baselineTimes.push_back(b);
    ratios.push_back(c / b);
  }
  return {Median(caseTimes), Median(baselineTimes), Median(ratios)};
}

double TimeAlone(const std::function<void()>& run, int rounds) {
  const int repeats = RepeatsFor(run);
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) times.push_back(SecondsOf(run, repeats) / repeats);
  return Median(times);
}

}  // namespace bench
