#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

// One line of the report: a case on one board, against its goal. A ratio
// case compares with its baseline; a time case has no baseline and its
// value is milliseconds.
struct BenchResult {
  std::string What;
  std::size_t Elements = 0;
  double CaseMs = 0.0;
  double BaselineMs = 0.0;  // 0: a time case
  double Value = 0.0;       // the ratio, or the milliseconds of a time case
  double Goal = 0.0;
};

// Prints the results as a table, each with its goal; false when one missed it.
bool PrintResults(const std::vector<BenchResult>& results);

}  // namespace bench
