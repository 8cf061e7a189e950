// Rotation and mirrors of what is in hand. They change the copies only; the
// schematic takes them at the next commit, and a symbol still following the
// pointer is turned or flipped before it is dropped.
#include "skt/editor/schematic_editor.h"

#include "common/core/pending_turn.h"

#include <optional>
#include <utility>

namespace skt {
namespace {

// Lines and texts count both their points in the centre, bus entries,
// junctions and circles their first one; the unseen records of a component
// (its pins, its footprint) none, so the centre is the one the user sees.
common::MovedPoints CentrePoints(const PendingItem& item) {
  const bool both = IsStretchableLine(item.Kind) || item.Kind == ElementKind::Text;
  const bool first = both || item.Kind == ElementKind::BusEntry || IsCentredShape(item.Kind);
  return {first, both};
}

float Reflected(float value, double centre) { return common::ClampPosition(2.0 * centre - value); }

}  // namespace

void SchematicEditor::MnuRotation() {
  if (!document_.PendingActive) return;
  const std::optional<MmPoint> centre = common::PendingCentre(document_.Pending, viewport_, CentrePoints);
  if (!centre) return;
  for (PendingItem& item : document_.Pending) {
    if (!item.Active) continue;
    common::TurnQuarter(item.X1, item.Y1, centre->X, centre->Y);
    // X2,Y2 of a junction or circle mean nothing and stay as they are.
    if (!IsCentredShape(item.Kind)) common::TurnQuarter(item.X2, item.Y2, centre->X, centre->Y);
    if (item.Kind == ElementKind::Text) item.Angle = item.Angle >= 270 ? 0 : item.Angle + 90;
  }
  document_.SelectionBox = common::TurnedBox(document_.SelectionBox, centre->X, centre->Y);
  RedrawSchematic();
}

// A text keeps its reading direction: only its box is reflected, its two
// corners swapped back into order.
void SchematicEditor::Mirror(bool horizontal) {
  if (!document_.PendingActive) return;
  const std::optional<MmPoint> centre = common::PendingCentre(document_.Pending, viewport_, CentrePoints);
  if (!centre) return;
  const double c = horizontal ? centre->X : centre->Y;
  for (PendingItem& item : document_.Pending) {
    if (!item.Active) continue;
    float& first = horizontal ? item.X1 : item.Y1;
    float& second = horizontal ? item.X2 : item.Y2;
    first = Reflected(first, c);
    if (!IsCentredShape(item.Kind)) second = Reflected(second, c);
    if (item.Kind == ElementKind::Text) std::swap(first, second);
  }
  MmBox& box = document_.SelectionBox;
  if (horizontal)
    box = {Reflected(box.Right, c), box.Top, Reflected(box.Left, c), box.Bottom};
  else
    box = {box.Left, Reflected(box.Bottom, c), box.Right, Reflected(box.Top, c)};
  RedrawSchematic();
}

void SchematicEditor::MnuHoriz() { Mirror(true); }
void SchematicEditor::MnuVertical() { Mirror(false); }

}  // namespace skt
