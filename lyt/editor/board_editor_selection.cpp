// What the selection tool picks on a board, the enabled state of the edit
// menu and "Information".
#include "lyt/editor/board_editor.h"

#include "lyt/editor/board_controls.h"

#include "common/core/hit_test.h"

#include "common/core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace lyt {
namespace {

constexpr std::int32_t NotHit = -1;

using common::InBox;
using common::TextHit;

// How a hit element follows the pointer, or NotHit. A track caught by one end
// only is stretched by that end.
std::int32_t HitMode(const BoardElement& element, const MmBox& box) {
  if (element.Kind == ElementKind::Track) {
    const bool first = InBox(box, element.X1, element.Y1);
    const bool second = InBox(box, element.X2, element.Y2);
    if (first && second) return PendingMove::Whole;
    if (first) return PendingMove::FirstPoint;
    return second ? PendingMove::SecondPoint : NotHit;
  }
  if (IsCentredShape(element.Kind)) return InBox(box, element.X1, element.Y1) ? PendingMove::Whole : NotHit;
  if (element.Kind == ElementKind::Text) return TextHit(element, box) ? PendingMove::Whole : NotHit;
  return NotHit;
}

// "#0.##": at most two decimals, rounded half up on the decimal value the
// size lists hold. The float's own digits are rounded, not its binary value,
// so that 0.3175 shows as 0.32 rather than 0.31.
std::string TwoDecimals(float value, char separator) {
  if (!std::isfinite(value)) return common::FormatNumber(0.0, separator);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text(buffer, result.ptr);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.erase(0, 1);
  const std::size_t point = text.find('.');
  std::string digits = text.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  const bool roundUp = fraction.size() > 2 && fraction[2] >= '5';
  fraction.resize(2, '0');
  digits += fraction;
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[i - 1];
  }
  std::string whole = digits.substr(0, digits.size() - 2);
  fraction = digits.substr(digits.size() - 2);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string shown = negative && (whole != "0" || !fraction.empty()) ? "-" + whole : whole;
  if (!fraction.empty()) shown += separator + fraction;
  return shown;
}

// The size report of one item; empty for kinds that have none.
std::string InfoText(const PendingItem& item, char separator) {
  const std::string size = TwoDecimals(item.Size, separator);
  const std::string diameter = TwoDecimals(2.0f * item.Size, separator);
  switch (item.Kind) {
    case ElementKind::Track:
      return "Piste largeur :" + size + "mm";
    case ElementKind::RoundPad:
      return "Pastille Ronde" + diameter + "mm de diamètre";
    case ElementKind::SquarePad:
      return "Pastille carrée" + diameter + "mm de coté";
    case ElementKind::OvalPad:
      return "Pastille ovale" + diameter + "mm (dimension la plus petite)";
    case ElementKind::RectPad:
      return "Pastille Rectangulaire" + diameter + "mm (dimension la plus petite)";
    case ElementKind::Hole:
      return "Trou diamètre :" + diameter + "mm";
    case ElementKind::Circle:
      return "Cercle diamètre :" + diameter + "mm";
    case ElementKind::Text:
      return "Texte hauteur :" + size + "mm";
    default:
      return std::string();
  }
}

}  // namespace

void BoardEditor::SelectInBox(bool shift) {
  (void)shift;  // a board has no element to take out of its group
  // A pick starts from an empty hand: no flag of an earlier block may remain.
  ReleaseSelection();
  if (document_.Elements.empty()) return;
  // The horizontal step widens both axes.
  const float half = viewport_.GridStepX / 2;
  document_.SelectionBox = common::PickBox(document_.PickPoint, pickCorner_, half);
  for (std::size_t i = 0; i < document_.Elements.size(); ++i) {
    const BoardElement& element = document_.Elements[i];
    const std::int32_t mode = HitMode(element, document_.SelectionBox);
    if (mode == NotHit) continue;
    if (element.Group == 0)
      AddToPending(document_, static_cast<std::int32_t>(i), mode);
    else
      SelectGroup(document_, element.Group);  // the whole footprint, once
  }
  UpdateEditMenus();
  RedrawBoard();
}

void BoardEditor::UpdateEditMenus() {
  // The kind of the one active item; none when there are several.
  int active = 0;
  std::int32_t kind = ElementKind::Deleted;
  for (const PendingItem& item : document_.Pending) {
    if (!item.Active) continue;
    ++active;
    kind = item.Kind;
  }
  if (active != 1) kind = ElementKind::Deleted;
  ui_.SetEnabled(control::MnuEditTexte, kind == ElementKind::Text);
  ui_.SetEnabled(control::MnuInfo, kind != ElementKind::Deleted);
  if (!document_.PendingActive) return;
  for (const char* command : {control::MnuCouper, control::MnuCopier, control::MnuSuppr, control::MnuChanger, control::MnuRotation})
    ui_.SetEnabled(command, true);
}

void BoardEditor::MnuInfo() {
  if (!document_.PendingActive) return;
  for (const PendingItem& item : document_.Pending) {
    if (!item.Active) continue;
    const std::string text = InfoText(item, ui_.DecimalSeparator());
    if (!text.empty())
      ui_.ShowMessage(text, common::MessageIcon::None, common::MessageButtons::Ok, "Information");
  }
}

}  // namespace lyt
