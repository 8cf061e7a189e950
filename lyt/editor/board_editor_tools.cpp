// The board's element builders: what each tool puts in hand.
#include "lyt/editor/board_editor.h"

#include "lyt/editor/board_controls.h"

#include "lyt/core/size_presets.h"

namespace lyt {
namespace {

PendingItem NewItemOf(std::int32_t kind, std::int32_t layer, float size) {
  PendingItem item;
  item.Kind = kind;
  item.Layer = layer;
  item.Size = size;
  item.MoveMode = PendingMove::Whole;
  item.Active = true;
  return item;
}

}  // namespace

// Tracks and texts go on the current layer; a track takes the width chosen
// in its list.
PendingItem BoardEditor::NewItem(std::int32_t tool) {
  if (static_cast<Tool>(tool) == Tool::Track)
    return NewItemOf(ElementKind::Track, layers_.CurrentLayer,
                     PresetSize(TrackSizes(), ui_.ListIndex(control::ComboPiste)));
  return NewItemOf(ElementKind::Text, layers_.CurrentLayer, 0.0f);
}

void BoardEditor::BuildPad(std::int32_t kind) {
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Cross);
  document_.Pending = {
      NewItemOf(kind, BoardLayer::Through, PresetSize(PadSizes(), ui_.ListIndex(control::ComboPastille))),
      NewItemOf(ElementKind::Hole, BoardLayer::Through, PresetSize(HoleSizes(), ui_.ListIndex(control::ComboTrou)))};
  PlaceUnderPointer();
}

void BoardEditor::BuildHole() {
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Cross);
  document_.Pending = {
      NewItemOf(ElementKind::Hole, BoardLayer::Through, PresetSize(HoleSizes(), ui_.ListIndex(control::ComboTrou)))};
  PlaceUnderPointer();
}

// Circles belong to the silkscreen and take their size from the pad list.
void BoardEditor::BuildCircle() {
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Cross);
  document_.Pending = {NewItemOf(ElementKind::Circle, BoardLayer::Silkscreen,
                                 PresetSize(PadSizes(), ui_.ListIndex(control::ComboPastille)))};
  PlaceUnderPointer();
}

}  // namespace lyt
