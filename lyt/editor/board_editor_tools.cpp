// The drawing-area state machine: tool buttons, element creators, the mouse
// and the keys.
#include "lyt/editor/board_editor.h"

#include "common/core/status_texts.h"
#include "lyt/core/element_drawers.h"
#include "lyt/core/size_presets.h"

#include <cmath>
#include <cstdint>

namespace lyt {

common::MmPoint BoardEditor::Snapped(float x, float y) const {
  return {viewport_.SnapX(viewport_.PointerToMm(x)), viewport_.SnapY(viewport_.PointerToMm(y))};
}

bool BoardEditor::InSelectionBox(common::MmPoint point) const {
  const MmBox& box = board_.SelectionBox;
  return point.X >= box.Left && point.X <= box.Right && point.Y >= box.Top && point.Y <= box.Bottom;
}

bool BoardEditor::IsPlacingTool() const {
  return tool_ != Tool::Select && tool_ != Tool::Track;
}

void BoardEditor::ReleaseSelection() {
  lyt::ReleasePending(board_);
  board_.PasteInProgress = false;
  for (const char* command : {"MnuCouper", "MnuCopier", "MnuSuppr", "MnuChanger", "MnuRotation",
                              "MnuEditTexte", "MnuInfo"})
    ui_.SetEnabled(command, false);
}

// The box moves with the items. Its edges lie half a step off the grid, and
// the move is a difference of grid points, so snapping the edges again would
// shift the box by half a step: it is only translated.
void BoardEditor::ShiftSelectionBox(float dx, float dy) {
  MmBox& box = board_.SelectionBox;
  box = {box.Left + dx, box.Top + dy, box.Right + dx, box.Bottom + dy};
}

void BoardEditor::DrawPending() { lyt::DrawPending(board_, viewport_, ui_.DrawingArea()); }

// The items were built around the origin: their first point goes under the
// (snapped) pointer, the selection box with them, and they follow the mouse.
void BoardEditor::PlaceUnderPointer() {
  if (board_.Pending.empty()) return;
  common::PixelPoint cursor = ui_.CursorInDrawingArea();
  common::MmPoint target = Snapped(static_cast<float>(cursor.X), static_cast<float>(cursor.Y));
  const float dx = target.X - board_.Pending.front().X1;
  const float dy = target.Y - board_.Pending.front().Y1;
  lyt::BeginPlacement(board_, target.X, target.Y);
  ShiftSelectionBox(dx, dy);
  dragOrigin_ = target;
  DrawPending();
}

void BoardEditor::MovePending(float x, float y, bool start) {
  const common::MmPoint position = Snapped(x, y);
  if (start) {
    dragOrigin_ = position;
    board_.Dragging = true;
    return;
  }
  if (!board_.PendingActive) return;
  const float dx = position.X - dragOrigin_.X;
  const float dy = position.Y - dragOrigin_.Y;
  if (dx == 0.0f && dy == 0.0f) return;
  ShiftSelectionBox(dx, dy);
  DrawPending();  // erase at the old place
  MovePendingItems(board_, dx, dy);
  DrawPending();
  dragOrigin_ = position;
}

// ---- ending tools --------------------------------------------------------------

// A tool button: a moved selection is written back, a floating new element
// is dropped.
void BoardEditor::CancelTool() {
  if (!board_.PendingIsNew) CommitPending(board_);
  board_.TrackInProgress = false;
  ReleaseSelection();
  RedrawBoard();
  ui_.SetPointer(common::PointerShape::Arrow);
}

// Escape, right click: a track chain ends (the tool stays); anything else in
// hand is let go without writing it back, and the selection tool returns.
void BoardEditor::StopTool() {
  if (boxSelecting_) {  // a band being drawn is wiped and forgotten
    DrawBand();
    boxSelecting_ = false;
  }
  if (board_.TrackInProgress) {
    board_.TrackInProgress = false;
    ReleaseSelection();
    RedrawBoard();
    return;
  }
  ReleaseSelection();
  RedrawBoard();
  ui_.SetPointer(common::PointerShape::Arrow);
  tool_ = Tool::Select;
  ui_.SelectOption("OptSelect");
}

void BoardEditor::ListFocused() { StopTool(); }

// ---- tool buttons ----------------------------------------------------------

void BoardEditor::StartTool(Tool tool) {
  CancelTool();
  tool_ = tool;
  ui_.SelectOption(tool == Tool::Track      ? "OptPiste"
                   : tool == Tool::RoundPad ? "OptPastilleR"
                   : tool == Tool::SquarePad ? "OptPastilleC"
                   : tool == Tool::OvalPad  ? "OptPastilleOH"
                   : tool == Tool::RectPad  ? "OptPastilleRect"
                   : tool == Tool::Hole     ? "OptTrou"
                   : tool == Tool::Circle   ? "OptRond"
                   : tool == Tool::Text     ? "OptTexte"
                                            : "OptEmp");
  switch (tool) {
    case Tool::Track: ui_.SetPointer(common::PointerShape::Cross); break;
    case Tool::RoundPad: BuildPad(ElementKind::RoundPad); break;
    case Tool::SquarePad: BuildPad(ElementKind::SquarePad); break;
    case Tool::OvalPad: BuildPad(ElementKind::OvalPad); break;
    case Tool::RectPad: BuildPad(ElementKind::RectPad); break;
    case Tool::Hole: BuildHole(); break;
    case Tool::Circle: BuildCircle(); break;
    case Tool::Footprint: PrepareFootprint(); break;
    default: break;
  }
  ui_.FocusDrawingArea();
}

void BoardEditor::OptSelect() { StopTool(); }
void BoardEditor::OptPiste() { StartTool(Tool::Track); }
void BoardEditor::OptPastilleR() { StartTool(Tool::RoundPad); }
void BoardEditor::OptPastilleC() { StartTool(Tool::SquarePad); }
void BoardEditor::OptPastilleOH() { StartTool(Tool::OvalPad); }
void BoardEditor::OptPastilleRect() { StartTool(Tool::RectPad); }
void BoardEditor::OptTrou() { StartTool(Tool::Hole); }
void BoardEditor::OptRond() { StartTool(Tool::Circle); }
void BoardEditor::OptEmp() { StartTool(Tool::Footprint); }

// ---- creators ------------------------------------------------------------------

namespace {

PendingItem NewItem(std::int32_t kind, std::int32_t layer, float size) {
  PendingItem item;
  item.Kind = kind;
  item.Layer = layer;
  item.Size = size;
  item.MoveMode = PendingMove::Whole;
  item.Active = true;
  return item;
}

}  // namespace

void BoardEditor::BuildPad(std::int32_t kind) {
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Cross);
  board_.Pending = {
      NewItem(kind, BoardLayer::Through, PresetSize(PadSizes(), ui_.ListIndex("ComboPastille"))),
      NewItem(ElementKind::Hole, BoardLayer::Through, PresetSize(HoleSizes(), ui_.ListIndex("ComboTrou")))};
  PlaceUnderPointer();
}

void BoardEditor::BuildHole() {
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Cross);
  board_.Pending = {
      NewItem(ElementKind::Hole, BoardLayer::Through, PresetSize(HoleSizes(), ui_.ListIndex("ComboTrou")))};
  PlaceUnderPointer();
}

// Circles belong to the silkscreen and take their size from the pad list.
void BoardEditor::BuildCircle() {
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Cross);
  board_.Pending = {
      NewItem(ElementKind::Circle, BoardLayer::Silkscreen, PresetSize(PadSizes(), ui_.ListIndex("ComboPastille")))};
  PlaceUnderPointer();
}

// Each click of the track tool ends the segment on the pointer (if any) and
// starts the next one there.
void BoardEditor::StartTrack(float x, float y) {
  board_.TrackInProgress = true;
  CommitPending(board_);
  ReleaseSelection();
  board_.PickPoint = Snapped(x, y);
  PendingItem segment = NewItem(ElementKind::Track, layers_.CurrentLayer,
                                PresetSize(TrackSizes(), ui_.ListIndex("ComboPiste")));
  segment.MoveMode = PendingMove::SecondPoint;
  segment.X1 = segment.X2 = board_.PickPoint.X;
  segment.Y1 = segment.Y2 = board_.PickPoint.Y;
  board_.Pending = {segment};
  PlaceUnderPointer();
}

// ---- mouse --------------------------------------------------------------------

void BoardEditor::MouseDown(MouseButton button, bool shift, float x, float y) {
  (void)shift;
  if (button == MouseButton::Right) {
    if (tool_ == Tool::Select && board_.PendingActive)
      ui_.PopUpEditMenu();
    else
      StopTool();
    return;
  }
  if (button != MouseButton::Left) return;
  const common::MmPoint point = Snapped(x, y);
  viewport_.LastDown = point;
  switch (tool_) {
    case Tool::Track:
      StartTrack(x, y);
      RedrawBoard();
      return;
    case Tool::Footprint:
      if (!board_.PendingActive) return;
      NumberPendingGroup(board_);
      CommitPending(board_);
      RedrawBoard();
      return;
    case Tool::Text:
      CommitPending(board_);
      RedrawBoard();
      if (incrementValue_ >= 0 && incrementValue_ < INT32_MAX && board_.PendingActive) {
        DrawPending();
        ++incrementValue_;
        for (PendingItem& item : board_.Pending) ApplyTextEntry(item);
        DrawPending();
      }
      return;
    case Tool::Select:
      break;
    default:  // pads, holes, circles: drop a copy
      CommitPending(board_);
      RedrawBoard();
      return;
  }
  if (board_.Pending.empty()) {
    SelectAtPoint(x, y);
  } else if (board_.PasteInProgress) {
    ui_.SetPointer(common::PointerShape::Arrow);
    RedrawBoard();
    board_.PasteInProgress = false;
  } else if (InSelectionBox(point)) {
    ui_.SetPointer(common::PointerShape::FourWay);
    MovePending(x, y, true);
  } else {
    ui_.SetPointer(common::PointerShape::Arrow);
    CommitPending(board_);
    ReleaseSelection();
    SelectAtPoint(x, y);
  }
}

void BoardEditor::DrawBand() {
  DrawSelectionBand(viewport_.MmToPixels(board_.PickPoint.X), viewport_.MmToPixels(board_.PickPoint.Y),
                    viewport_.MmToPixels(pickCorner_.X), viewport_.MmToPixels(pickCorner_.Y),
                    board_.Colours.PreviewColour, ui_.DrawingArea());
}

void BoardEditor::MouseMove(MouseButtons buttons, bool shift, float x, float y) {
  (void)shift;
  common::ShowCursorStatus(viewport_, {viewport_.PointerToMm(x), viewport_.PointerToMm(y)}, ui_);
  const common::PixelPoint screen = ui_.ScreenCursor();
  viewport_.DrawingOrigin = {screen.X - static_cast<std::int32_t>(std::lround(x)),
                             screen.Y - static_cast<std::int32_t>(std::lround(y))};
  if ((tool_ == Tool::Track && board_.TrackInProgress) || IsPlacingTool()) {
    MovePending(x, y, false);
    return;
  }
  if (tool_ != Tool::Select) return;
  if (board_.Pending.empty()) {
    if (buttons.Left) {
      if (boxSelecting_) DrawBand();  // erase the old band
      if (!boxSelecting_) board_.PickPoint = Snapped(x, y);
      pickCorner_ = Snapped(x, y);
      if (boxSelecting_) DrawBand();
      boxSelecting_ = true;
    } else if (boxSelecting_) {
      DrawBand();
      boxSelecting_ = false;
      SelectInBox();
    }
    return;
  }
  if (board_.Dragging && (buttons.Left || board_.PendingIsNew)) {
    MovePending(x, y, false);
  } else if (board_.PendingActive && !board_.Dragging) {
    ui_.SetPointer(InSelectionBox(Snapped(x, y)) ? common::PointerShape::FourWay
                                                 : common::PointerShape::Arrow);
  }
}

void BoardEditor::MouseUp(MouseButton button, bool shift, float x, float y) {
  (void)button, (void)x, (void)y;
  board_.Dragging = false;
  if (tool_ == Tool::Select && shift && board_.PendingActive) CycleSelection();
}

void BoardEditor::DoubleClick() {
  if (board_.Pending.size() == 1 && board_.Pending.front().Kind == ElementKind::Text) MnuEditTexte();
}

// ---- typed characters --------------------------------------------------------

void BoardEditor::KeyPress(char character) {
  switch (character) {
    case 'i': MnuZoomIn(); break;
    case 'o': MnuZoomOut(); break;
    case 'r': MnuRotation(); break;
    case 'g': MnuChanger(); break;
    case 't': OptTexte(); break;
    default: break;
  }
}

}  // namespace lyt
