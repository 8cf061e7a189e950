// Rotation and layer change of what is in hand. Both change the copies only;
// the board takes them at the next commit.
#include "lyt/editor/board_editor.h"

#include "common/core/pending_turn.h"

#include <optional>

namespace lyt {
namespace {

// Tracks and texts have two meaningful points, pads, holes and circles one.
bool HasSecondPoint(std::int32_t kind) { return kind == ElementKind::Track || kind == ElementKind::Text; }

common::MovedPoints CentrePoints(const PendingItem& item) {
  return {HasSecondPoint(item.Kind) || IsCentredShape(item.Kind), HasSecondPoint(item.Kind)};
}

}  // namespace

// Turns the active items a quarter turn about the snapped mean of their points.
void BoardEditor::MnuRotation() {
  if (!document_.PendingActive) return;
  const std::optional<MmPoint> centre = common::PendingCentre(document_.Pending, viewport_, CentrePoints);
  if (!centre) return;  // nothing to turn about
  const double cx = centre->X;
  const double cy = centre->Y;
  for (PendingItem& item : document_.Pending) {
    if (!item.Active) continue;
    common::TurnQuarter(item.X1, item.Y1, cx, cy);
    // X2,Y2 of a centred shape mean nothing and stay as they are.
    if (!IsCentredShape(item.Kind)) common::TurnQuarter(item.X2, item.Y2, cx, cy);
    if (item.Kind == ElementKind::OvalPad || item.Kind == ElementKind::RectPad ||
        item.Kind == ElementKind::Text) {
      item.Angle += 90;
      if (item.Angle > 270) item.Angle = 0;
    }
  }
  document_.SelectionBox = common::TurnedBox(document_.SelectionBox, cx, cy);
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
