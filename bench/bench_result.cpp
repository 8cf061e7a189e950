#include "bench/bench_result.h"

#include <cstdio>

namespace bench {

bool PrintResults(const std::vector<BenchResult>& results) {
  bool allMet = true;
  std::printf("%-44s %8s %11s %11s %9s %7s\n", "case", "elements", "case ms", "baseline ms", "value",
              "goal");
  for (const BenchResult& r : results) {
    const bool met = r.Value <= r.Goal;
    allMet = allMet && met;
    const char* unit = r.BaselineMs > 0.0 ? "x" : "ms";
    std::printf("%-44s %8zu %11.4f %11.4f %7.2f%-2s %5.2f%-2s %s\n", r.What.c_str(), r.Elements,
                r.CaseMs, r.BaselineMs, r.Value, unit, r.Goal, unit, met ? "ok" : "MISSED");
  }
  return allMet;
}

}  // namespace bench
