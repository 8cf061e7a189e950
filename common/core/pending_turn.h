#pragma once

#include "common/core/element_tables.h"
#include "common/core/geometry.h"
#include "common/core/viewport.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace common {

// A quarter turn about (cx, cy); y points down, so a point right of the
// centre goes above it.
inline void TurnQuarter(float& x, float& y, double cx, double cy) {
  const double dx = x - cx;
  const double dy = y - cy;
  x = ClampPosition(cx + dy);
  y = ClampPosition(cy - dx);
}

// The box turned with the items, so that a click on them still grabs them.
inline MmBox TurnedBox(const MmBox& box, double cx, double cy) {
  float left = box.Left, top = box.Top, right = box.Right, bottom = box.Bottom;
  TurnQuarter(left, top, cx, cy);
  TurnQuarter(right, bottom, cx, cy);
  return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// The point the active items turn or flip about: the mean of the points that
// `pointsOf(item)` names (a MovedPoints), snapped to the grid. Nothing when
// no item has such a point.
template <class Item, class PointsOf>
std::optional<MmPoint> PendingCentre(const std::vector<Item>& items, const Viewport& viewport,
                                     PointsOf pointsOf) {
  double sumX = 0.0;
  double sumY = 0.0;
  int points = 0;
  for (const Item& item : items) {
    if (!item.Active) continue;
    const MovedPoints counted = pointsOf(item);
    if (counted.First) sumX += item.X1, sumY += item.Y1, ++points;
    if (counted.Second) sumX += item.X2, sumY += item.Y2, ++points;
  }
  if (points == 0) return std::nullopt;
  return MmPoint{viewport.SnapX(static_cast<float>(sumX / points)),
                 viewport.SnapY(static_cast<float>(sumY / points))};
}

}  // namespace common
