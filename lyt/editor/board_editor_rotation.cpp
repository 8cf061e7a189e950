// Rotation and layer change of what is in hand. Both change the copies only;
// the board takes them at the next commit.
#include "lyt/editor/board_editor.h"

#include <algorithm>

namespace lyt {
namespace {

// Tracks and texts have two meaningful points, pads, holes and circles one.
bool HasSecondPoint(std::int32_t kind) { return kind == ElementKind::Track || kind == ElementKind::Text; }

// A quarter turn about the centre; y points down, so a point right of the
// centre goes above it.
void Turn(float& x, float& y, double cx, double cy) {
  const double dx = x - cx;
  const double dy = y - cy;
  x = common::ClampPosition(cx + dy);
  y = common::ClampPosition(cy - dx);
}

}  // namespace

// Turns the active items a quarter turn about the snapped mean of their points.
void BoardEditor::MnuRotation() {
  if (!document_.PendingActive) return;
  double sumX = 0.0;
  double sumY = 0.0;
  int points = 0;
  for (const PendingItem& item : document_.Pending) {
    if (!item.Active) continue;
    if (HasSecondPoint(item.Kind)) {
      sumX += static_cast<double>(item.X1) + item.X2;
      sumY += static_cast<double>(item.Y1) + item.Y2;
      points += 2;
    } else if (IsCentredShape(item.Kind)) {
      sumX += item.X1;
      sumY += item.Y1;
      points += 1;
    }
  }
  if (points == 0) return;  // nothing to turn about
  const double cx = viewport_.SnapX(static_cast<float>(sumX / points));
  const double cy = viewport_.SnapY(static_cast<float>(sumY / points));
  for (PendingItem& item : document_.Pending) {
    if (!item.Active) continue;
    Turn(item.X1, item.Y1, cx, cy);
    // X2,Y2 of a centred shape mean nothing and stay as they are.
    if (!IsCentredShape(item.Kind)) Turn(item.X2, item.Y2, cx, cy);
    if (item.Kind == ElementKind::OvalPad || item.Kind == ElementKind::RectPad ||
        item.Kind == ElementKind::Text) {
      item.Angle += 90;
      if (item.Angle > 270) item.Angle = 0;
    }
  }
  // The box turns with the items, so a click on them still grabs them.
  MmBox& box = document_.SelectionBox;
  float left = box.Left, top = box.Top, right = box.Right, bottom = box.Bottom;
  Turn(left, top, cx, cy);
  Turn(right, bottom, cx, cy);
  box = {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  RedrawBoard();
}

// Component and solder swap for copper tracks and texts; silkscreen items and
// pads stay where they are.
void BoardEditor::MnuChanger() {
  if (!document_.PendingActive) return;
  ui_.Beep();
  for (PendingItem& item : document_.Pending) {
    if (!item.Active || !HasSecondPoint(item.Kind)) continue;
    if (item.Layer == BoardLayer::Component)
      item.Layer = BoardLayer::Solder;
    else if (item.Layer == BoardLayer::Solder)
      item.Layer = BoardLayer::Component;
  }
}

}  // namespace lyt
