// What the selection tool picks on a schematic, and the edit menu's state.
#include "skt/editor/schematic_editor.h"

#include "common/core/hit_test.h"

#include <algorithm>

namespace skt {
namespace {

constexpr std::int32_t NotHit = -1;

using common::InBox;
using common::TextHit;

// How a hit element follows the pointer, or NotHit. A line caught by one end
// only is stretched by that end; everything else moves whole.
std::int32_t HitMode(const SchematicElement& element, const MmBox& box) {
  const bool first = InBox(box, element.X1, element.Y1);
  const bool second = InBox(box, element.X2, element.Y2);
  switch (element.Kind) {
    case ElementKind::Wire:
    case ElementKind::Bus:
    case ElementKind::DottedLine:
      if (first && second) return PendingMove::Whole;
      if (first) return PendingMove::FirstPoint;
      return second ? PendingMove::SecondPoint : NotHit;
    case ElementKind::BusEntry:
      return first || second ? PendingMove::Whole : NotHit;
    case ElementKind::Junction:
    case ElementKind::Circle:
      return first ? PendingMove::Whole : NotHit;
    case ElementKind::Text:
      return TextHit(element, box) ? PendingMove::Whole : NotHit;
    default:
      return NotHit;
  }
}

}  // namespace

// A free element is taken alone; an element of a group takes its whole
// group, except a group's text picked with Shift (a component's reference or
// value, to rename it).
void SchematicEditor::SelectInBox(bool shift) {
  // A pick starts from an empty hand: no flag of an earlier block may remain.
  ReleaseSelection();
  if (document_.Elements.empty()) return;
  const float half = viewport_.GridStep() / 2;
  document_.SelectionBox = common::PickBox(document_.PickPoint, pickCorner_, half);
  for (std::size_t i = 0; i < document_.Elements.size(); ++i) {
    const SchematicElement& element = document_.Elements[i];
    const std::int32_t mode = HitMode(element, document_.SelectionBox);
    if (mode == NotHit) continue;
    const bool alone = element.Group == 0 || (shift && element.Kind == ElementKind::Text);
    if (!alone)
      SelectGroup(document_, element.Group);
    else if (!element.Selected)  // not already taken with its group
      AddToPending(document_, static_cast<std::int32_t>(i), mode);
  }
  UpdateEditMenus();
  RedrawSchematic();
}

void SchematicEditor::UpdateEditMenus() {
  const auto active = std::count_if(document_.Pending.begin(), document_.Pending.end(),
                                    [](const PendingItem& item) { return item.Active; });
  const bool oneText =
      active == 1 && std::any_of(document_.Pending.begin(), document_.Pending.end(), [](const PendingItem& item) {
        return item.Active && item.Kind == ElementKind::Text;
      });
  ui_.SetEnabled(control::MnuEditTexte, oneText);
  if (!document_.PendingActive) return;
  for (const char* command : {control::MnuCouper, control::MnuCopier, control::MnuSuppr, control::MnuRotation,
                              control::MnuHoriz, control::MnuVertical})
    ui_.SetEnabled(command, true);
}

}  // namespace skt
