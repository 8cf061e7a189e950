#pragma once

#include "common/core/geometry.h"

#include <algorithm>

namespace common {

// What the selection tools of both editors catch with their pick box.

inline bool InBox(const MmBox& box, float x, float y) {
  return x >= box.Left && x <= box.Right && y >= box.Top && y <= box.Bottom;
}

// The pick box: the rectangle of the two corners, widened by `margin` on
// every side.
inline MmBox PickBox(MmPoint a, MmPoint b, float margin) {
  return {std::min(a.X, b.X) - margin, std::min(a.Y, b.Y) - margin, std::max(a.X, b.X) + margin,
          std::max(a.Y, b.Y) + margin};
}

// A text is hit when a corner of its box lies in the pick box, or when the
// pick box starts inside it (a click in the middle of a long text).
template <class Text>
bool TextHit(const Text& text, const MmBox& box) {
  if (InBox(box, text.X1, text.Y1) || InBox(box, text.X2, text.Y1) || InBox(box, text.X1, text.Y2) ||
      InBox(box, text.X2, text.Y2))
    return true;
  const MmBox own{std::min(text.X1, text.X2), std::min(text.Y1, text.Y2), std::max(text.X1, text.X2),
                  std::max(text.Y1, text.Y2)};
  return InBox(own, box.Left, box.Top);
}

}  // namespace common
