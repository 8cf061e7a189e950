#pragma once

#include "common/core/element_tables.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace common {

// A number the file cannot hold (infinite, not a number) would be written
// as 0: the file would no longer hold what the screen shows, so the writers
// refuse to save it. Deleted elements are not written and do not count.
template <class Element>
bool LiveNumbersFinite(const std::vector<Element>& elements) {
  return std::all_of(elements.begin(), elements.end(), [](const Element& e) {
    return e.Kind == DeletedKind || (std::isfinite(e.Size) && std::isfinite(e.X1) &&
                                     std::isfinite(e.Y1) && std::isfinite(e.X2) &&
                                     std::isfinite(e.Y2));
  });
}

}  // namespace common
