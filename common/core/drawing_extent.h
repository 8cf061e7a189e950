#pragma once

#include "common/core/geometry.h"

#include <optional>
#include <vector>

namespace common {

// The box holding the boxes `boxOf` gives for the elements, as far as it
// gives one (deleted and unseen records give none); nothing when none does.
template <class Element, class BoxOf>
std::optional<MmBox> ExtentOf(const std::vector<Element>& elements, BoxOf boxOf) {
  std::optional<MmBox> extent;
  for (const Element& element : elements) {
    const std::optional<MmBox> box = boxOf(element);
    if (box) extent = extent ? Enclosing(*extent, *box) : *box;
  }
  return extent;
}

}  // namespace common
