#pragma once

// The members of DrawingEditor; included by drawing_editor.h only.

#include "common/core/about_text.h"
#include "common/core/control_names.h"
#include "common/core/dialog_folder.h"
#include "common/core/selection_band.h"
#include "common/core/status_texts.h"
#include "common/core/text_entry.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>

namespace common {

template <class D>
DrawingEditor<D>::DrawingEditor(UiPort& ui, std::string programFolder, EditorSettings settings)
    : ui_(ui),
      programFolder_(std::move(programFolder)),
      settings_(std::move(settings)),
      viewport_(settings_.View),
      font_(settings_.Font) {}

// ---- start-up, files ---------------------------------------------------------

template <class D>
void DrawingEditor<D>::Start(const std::string& commandLine) {
  InitDocument();
  LayOut();
  if (!commandLine.empty()) {
    document_.FileName = commandLine;
    Read();
  }
  ShowName(document_.FileName, ui_);
}

// The whole reset of New, Open and start-up: document, view, tool, menus,
// lists, status bar, caption and the file association.
template <class D>
void DrawingEditor<D>::InitDocument() {
  ResetDocument();
  viewport_.ResetForNewDocument();
  for (const char* command : settings_.DisabledAtReset) ui_.SetEnabled(command, false);
  ui_.SetChecked(control::MnuGrille, viewport_.ShowGrid);
  ui_.SetChecked(control::MnuRester, viewport_.SnapToGrid);
  // Nothing is in hand any more: the selection tool comes back.
  tool_ = 0;
  boxSelecting_ = false;
  ui_.SelectOption(control::OptSelect);
  ui_.SetPointer(PointerShape::Arrow);
  ResetWindowLists();
  ShowGridStepStatus(viewport_, ui_);
  ShowName(document_.FileName, ui_);
  ui_.RegisterFileTypes();
}

template <class D>
FileDialogSettings DrawingEditor<D>::DialogSettings() const {
  return {settings_.FileFilter, DialogFolder(document_.FileName, ui_.Folders()), std::string()};
}

template <class D>
bool DrawingEditor<D>::LoadForOutput(const std::string& path) {
  InitDocument();
  document_.FileName = path;
  return ReadFile();
}

// Moves, turns and edits of a held selection live in Pending until the next
// commit: files and prints must show them too. The selection stays in hand.
template <class D>
void DrawingEditor<D>::WriteBackSelection() {
  if (document_.PendingActive && !document_.PendingIsNew) CommitPending(document_);
}

template <class D>
bool DrawingEditor<D>::Write() {
  WriteBackSelection();
  return WriteFile();
}

template <class D>
void DrawingEditor<D>::Reset() {
  InitDocument();
  LayOut();
}

template <class D>
void DrawingEditor<D>::Read() {
  // A file that exists but could not be read whole must not be overwritten
  // by the part that was read: the document loses its name. A missing file
  // keeps it, so that a first save creates it.
  std::error_code error;
  if (!ReadFile() && std::filesystem::exists(std::filesystem::u8path(document_.FileName), error)) {
    document_.FileName = UntitledFileName;
    ShowName(document_.FileName, ui_);
  }
  LayOut();  // the file may bring other grid steps, hence another scale
  // A drawing away from the middle of the sheet would open on an empty view.
  if (!ShowsWholeDrawing()) FrameDrawing();
  Redraw();
}

template <class D>
void DrawingEditor<D>::MnuNouveau() {
  NewDocument(*this, ui_);
  Redraw();
}
template <class D>
void DrawingEditor<D>::MnuOuvrir() { OpenDocument(*this, ui_); }
template <class D>
void DrawingEditor<D>::MnuEnreg() { SaveDocument(*this, ui_); }
template <class D>
void DrawingEditor<D>::MnuEnregSous() { SaveDocumentAs(*this, ui_); }
template <class D>
bool DrawingEditor<D>::MnuQuitter() { return MayQuit(*this, ui_); }

template <class D>
void DrawingEditor<D>::MnuAPropos() {
  ui_.ShowMessage(AboutText(settings_.Which), MessageIcon::Information, MessageButtons::Ok,
                  std::string());
}

template <class D>
void DrawingEditor<D>::MnuAide() { ui_.ShowHelp(); }

// ---- view ----------------------------------------------------------------------

template <class D>
void DrawingEditor<D>::MnuGrille() {
  viewport_.ShowGrid = !viewport_.ShowGrid;
  ui_.SetChecked(control::MnuGrille, viewport_.ShowGrid);
  Redraw();
}

template <class D>
void DrawingEditor<D>::MnuRester() {
  viewport_.SnapToGrid = !viewport_.SnapToGrid;
  ui_.SetChecked(control::MnuRester, viewport_.SnapToGrid);
}

template <class D>
void DrawingEditor<D>::MnuRafraichi() { Redraw(); }

template <class D>
void DrawingEditor<D>::MnuZoomIn() { Zoom(ZoomDirection::In); }
template <class D>
void DrawingEditor<D>::MnuZoomOut() { Zoom(ZoomDirection::Out); }

template <class D>
void DrawingEditor<D>::MnuZoomTout() {
  FrameDrawing();
  Redraw();
}

template <class D>
PixelPoint DrawingEditor<D>::ZoomCentre() const {
  const PixelPoint pointer = ui_.CursorInDrawingArea();
  if (ui_.PointerOverDrawingArea() && IsShown(layout_, pointer)) return pointer;
  return VisibleMiddle(layout_);
}

template <class D>
void DrawingEditor<D>::Zoom(ZoomDirection direction) {
  std::optional<WindowLayout> zoomed =
      ZoomAtCursor(direction, ZoomCentre(), ui_.Metrics(), viewport_);
  if (!zoomed) return;
  layout_ = *zoomed;
  viewFramed_ = false;
  ui_.ApplyLayout(layout_);
  Redraw();
}

template <class D>
void DrawingEditor<D>::FrameDrawing() {
  const MmBox sheet{0.0f, 0.0f, viewport_.SheetWidth, viewport_.SheetHeight};
  layout_ = FrameExtent(DrawingExtent().value_or(sheet), ui_.Metrics(), viewport_);
  ui_.ApplyLayout(layout_);
  viewFramed_ = true;
}

template <class D>
bool DrawingEditor<D>::ShowsWholeDrawing() const {
  const std::optional<MmBox> extent = DrawingExtent();
  return !extent || ShowsWhole(layout_, viewport_, *extent);
}

template <class D>
void DrawingEditor<D>::LayOut() {
  layout_ = LayOutMainWindow(ui_.Metrics(), viewport_);
  viewFramed_ = false;
  ui_.ApplyLayout(layout_);
}

template <class D>
void DrawingEditor<D>::Resized() {
  const bool framed = viewFramed_;
  LayOut();
  if (framed) FrameDrawing();
  Redraw();
}

template <class D>
void DrawingEditor<D>::Scrolled(bool horizontal, int value) {
  (horizontal ? layout_.HScroll1 : layout_.VScroll1).Value = value;
  viewFramed_ = false;
  ui_.ApplyLayout(layout_);
  Redraw();
}

template <class D>
void DrawingEditor<D>::ScrollView(bool horizontal, std::int64_t pixels) {
  ScrollBar& bar = horizontal ? layout_.HScroll1 : layout_.VScroll1;
  const std::int32_t value = ScrolledValue(bar, pixels);
  if (value == bar.Value) return;
  Scrolled(horizontal, value);
}

// A wheel turned away from the user shows what is above (with Shift, what is
// to the left), or zooms in with Ctrl. Parts of a notch scroll in
// proportion; Ctrl waits for a whole notch.
template <class D>
void DrawingEditor<D>::MouseWheel(int delta, bool shift, bool ctrl) {
  if (!ctrl) {
    const ScrollBar& bar = shift ? layout_.HScroll1 : layout_.VScroll1;
    ScrollView(shift, -std::llround(static_cast<double>(bar.SmallChange) * delta / WheelNotch));
    return;
  }
  if ((wheelZoom_ > 0 && delta < 0) || (wheelZoom_ < 0 && delta > 0)) wheelZoom_ = 0;
  wheelZoom_ += delta;
  for (; wheelZoom_ >= WheelNotch; wheelZoom_ -= WheelNotch) Zoom(ZoomDirection::In);
  for (; wheelZoom_ <= -WheelNotch; wheelZoom_ += WheelNotch) Zoom(ZoomDirection::Out);
}

template <class D>
void DrawingEditor<D>::ScrollFocusChanged(bool focused) {
  viewport_.ScrollFocus = focused;
  if (!focused) Redraw();
}

// ---- keys ----------------------------------------------------------------------

// 'C' held down keeps the view centred on the pointer; its release redraws.
template <class D>
void DrawingEditor<D>::KeyDown(Key key, bool shift, bool ctrl, bool alt) {
  if (key == Key::Escape) return StopTool();
  if (key == Key::F5) return Redraw();
  if (key != Key::C || shift || ctrl || alt) return;
  viewport_.CentringKey = true;
  std::optional<CursorWarp> warp =
      WarpCursor(ui_.ScreenCursor(), ui_.Picture1OnScreen(), layout_.HScroll1, layout_.VScroll1);
  if (!warp) return;
  layout_.HScroll1.Value = warp->HScrollValue;
  layout_.VScroll1.Value = warp->VScrollValue;
  viewFramed_ = false;
  ui_.ApplyLayout(layout_);
  ui_.WarpPointer(warp->Target);
  Redraw();  // the grid stays off while the key is held
}

template <class D>
void DrawingEditor<D>::KeyUp(Key key, bool shift, bool ctrl, bool alt) {
  if (key != Key::C || shift || ctrl || alt) return;
  viewport_.CentringKey = false;
  Redraw();
}

// Only lower-case characters act: a tool's key chooses it (the text tool
// again opens the dialog for a new text), the others are the program's.
template <class D>
void DrawingEditor<D>::KeyPress(char character) {
  if (character == 'i') return MnuZoomIn();
  if (character == 'o') return MnuZoomOut();
  if (character == 'z') return MnuZoomTout();
  for (const ToolRow& row : tools_)
    if (row.Key != 0 && row.Key == character) return ChooseTool(row.Id);
  CommandKey(character);
}

// ---- tools ---------------------------------------------------------------------

template <class D>
const ToolRow* DrawingEditor<D>::FindTool(std::int32_t tool) const {
  for (const ToolRow& row : tools_)
    if (row.Id == tool) return &row;
  return nullptr;
}

template <class D>
ClickAction DrawingEditor<D>::CurrentClick() const {
  const ToolRow* row = FindTool(tool_);
  return row ? row->Click : ClickAction::Select;
}

template <class D>
bool DrawingEditor<D>::IsPlacingTool() const {
  const ClickAction click = CurrentClick();
  return click != ClickAction::Select && click != ClickAction::Chain;
}

template <class D>
void DrawingEditor<D>::ToolButton(const std::string& control) {
  for (const ToolRow& row : tools_)
    if (control == row.Control) return ChooseTool(row.Id);
}

// Any tool but the selection tool first ends the current one (a moved
// selection is written back, a floating element dropped), then builds what
// it places; the keyboard goes back to the drawing area.
template <class D>
void DrawingEditor<D>::ChooseTool(std::int32_t tool) {
  const ToolRow* row = FindTool(tool);
  if (!row) return;
  if (row->Click == ClickAction::Select) return StopTool();
  CancelTool();
  tool_ = tool;
  ui_.SelectOption(row->Control);
  if (row->Click == ClickAction::Chain) ui_.SetPointer(PointerShape::Cross);
  if (row->Build) row->Build();
  ui_.FocusDrawingArea();
  if (row->Click == ClickAction::NumberedText) StartTextTool();
}

template <class D>
void DrawingEditor<D>::ReleaseSelection() {
  ReleasePending(document_);
  document_.PasteInProgress = false;
  for (const char* command : settings_.SelectionCommands) ui_.SetEnabled(command, false);
}

// A tool button: a moved selection is written back, a floating new element
// is dropped.
template <class D>
void DrawingEditor<D>::CancelTool() {
  if (!document_.PendingIsNew) CommitPending(document_);
  document_.LineInProgress = false;
  ReleaseSelection();
  Redraw();
  ui_.SetPointer(PointerShape::Arrow);
}

// Escape, right click: a chain ends (the tool stays); anything else in hand
// is let go without writing it back, and the selection tool returns.
template <class D>
void DrawingEditor<D>::StopTool() {
  if (boxSelecting_) {  // a band being drawn is wiped and forgotten
    DrawBand();
    boxSelecting_ = false;
  }
  if (document_.LineInProgress) {
    document_.LineInProgress = false;
    ReleaseSelection();
    Redraw();
    return;
  }
  ReleaseSelection();
  Redraw();
  ui_.SetPointer(PointerShape::Arrow);
  tool_ = 0;
  ui_.SelectOption(control::OptSelect);
}

template <class D>
void DrawingEditor<D>::ListFocused() { StopTool(); }

// A pasted or restored block is handled by the selection tool. An element
// floating on another tool's pointer, or a chain, is let go rather than
// dropped where it happens to be.
template <class D>
void DrawingEditor<D>::UseSelectionTool() {
  if (tool_ == 0) return;
  document_.LineInProgress = false;
  StopTool();
}

// ---- placing and moving -----------------------------------------------------------

template <class D>
MmPoint DrawingEditor<D>::Snapped(float x, float y) const {
  return {viewport_.SnapX(viewport_.PointerToMm(x)), viewport_.SnapY(viewport_.PointerToMm(y))};
}

template <class D>
bool DrawingEditor<D>::InSelectionBox(MmPoint point) const {
  const MmBox& box = document_.SelectionBox;
  return point.X >= box.Left && point.X <= box.Right && point.Y >= box.Top && point.Y <= box.Bottom;
}

// The box moves with the items. Its edges lie half a step off the grid, and
// the move is a difference of grid points, so snapping the edges again would
// shift the box by half a step: it is only translated.
template <class D>
void DrawingEditor<D>::ShiftSelectionBox(double dx, double dy) {
  MmBox& box = document_.SelectionBox;
  box = {ClampPosition(box.Left + dx), ClampPosition(box.Top + dy), ClampPosition(box.Right + dx),
         ClampPosition(box.Bottom + dy)};
}

// The items were built around the origin: their first point goes under the
// (snapped) pointer, the selection box with them, and they follow the mouse.
template <class D>
void DrawingEditor<D>::PlaceUnderPointer() {
  if (document_.Pending.empty()) return;
  const PixelPoint cursor = ui_.CursorInDrawingArea();
  const MmPoint target = Snapped(static_cast<float>(cursor.X), static_cast<float>(cursor.Y));
  const float dx = target.X - document_.Pending.front().X1;
  const float dy = target.Y - document_.Pending.front().Y1;
  BeginPlacement(document_, target.X, target.Y);
  ShiftSelectionBox(dx, dy);
  dragOrigin_ = target;
  DrawPending();
}

template <class D>
void DrawingEditor<D>::MovePending(float x, float y, bool start) {
  const MmPoint position = Snapped(x, y);
  if (start) {
    dragOrigin_ = position;
    document_.Dragging = true;
    return;
  }
  if (!document_.PendingActive) return;
  const float dx = position.X - dragOrigin_.X;
  const float dy = position.Y - dragOrigin_.Y;
  if (dx == 0.0f && dy == 0.0f) return;
  ShiftSelectionBox(dx, dy);
  DrawPending();  // erase at the old place
  MovePendingItems(document_, dx, dy);
  DrawPending();
  dragOrigin_ = position;
}

// Each click of a chain tool ends the segment on the pointer (if any) and
// starts the next one there.
template <class D>
void DrawingEditor<D>::StartLine(float x, float y) {
  document_.LineInProgress = true;
  CommitPending(document_);
  ReleaseSelection();
  document_.PickPoint = Snapped(x, y);
  Item segment = NewItem(tool_);
  segment.MoveMode = PendingMove::SecondPoint;
  segment.Active = true;
  segment.X1 = segment.X2 = document_.PickPoint.X;
  segment.Y1 = segment.Y2 = document_.PickPoint.Y;
  document_.Pending = {segment};
  PlaceUnderPointer();
}

// ---- mouse ---------------------------------------------------------------------------

template <class D>
void DrawingEditor<D>::MouseDown(MouseButton button, bool shift, float x, float y) {
  if (button == MouseButton::Right) {
    if (tool_ == 0 && document_.PendingActive)
      ui_.PopUpEditMenu();
    else
      StopTool();
    return;
  }
  if (button != MouseButton::Left) return;
  viewport_.LastDown = Snapped(x, y);
  switch (CurrentClick()) {
    case ClickAction::Chain:
      StartLine(x, y);
      Redraw();
      return;
    case ClickAction::NewGroup:
      if (!document_.PendingActive) return;
      NumberPendingGroup(document_);
      CommitPending(document_);
      Redraw();
      return;
    case ClickAction::NumberedText:
      DropNumberedText();
      return;
    case ClickAction::FreeCopy:
      CommitPending(document_);
      Redraw();
      return;
    case ClickAction::Select:
      ClickWithSelectionTool(x, y, shift);
      return;
  }
}

template <class D>
void DrawingEditor<D>::ClickWithSelectionTool(float x, float y, bool shift) {
  if (document_.Pending.empty()) {
    SelectAtPoint(x, y, shift);
  } else if (document_.PasteInProgress) {
    DropPaste();
  } else if (InSelectionBox(Snapped(x, y))) {
    ui_.SetPointer(PointerShape::FourWay);
    MovePending(x, y, true);
  } else {
    ui_.SetPointer(PointerShape::Arrow);
    CommitPending(document_);
    ReleaseSelection();
    SelectAtPoint(x, y, shift);
  }
}

// The pasted block stops at the first click, where it is.
template <class D>
void DrawingEditor<D>::DropPaste() {
  ui_.SetPointer(PointerShape::Arrow);
  Redraw();
  document_.PasteInProgress = false;
}

template <class D>
void DrawingEditor<D>::DropNumberedText() {
  CommitPending(document_);
  Redraw();
  if (incrementValue_ < 0 || incrementValue_ == INT32_MAX || !document_.PendingActive) return;
  DrawPending();
  ++incrementValue_;
  for (Item& item : document_.Pending) ApplyTextEntry(item);
  DrawPending();
}

template <class D>
void DrawingEditor<D>::DrawBand() {
  DrawSelectionBand(viewport_.MmToPixels(document_.PickPoint.X),
                    viewport_.MmToPixels(document_.PickPoint.Y), viewport_.MmToPixels(pickCorner_.X),
                    viewport_.MmToPixels(pickCorner_.Y), PreviewColour(), ui_.DrawingArea());
}

// With the left button held the band starts and stretches; the first move
// without it after a band ends it and selects what it encloses.
template <class D>
void DrawingEditor<D>::StretchBand(MouseButtons buttons, bool shift, float x, float y) {
  if (buttons.Left) {
    if (boxSelecting_) DrawBand();  // erase the old band
    if (!boxSelecting_) document_.PickPoint = Snapped(x, y);
    pickCorner_ = Snapped(x, y);
    if (boxSelecting_) DrawBand();
    boxSelecting_ = true;
  } else if (boxSelecting_) {
    DrawBand();
    boxSelecting_ = false;
    SelectInBox(shift);
  }
}

template <class D>
void DrawingEditor<D>::MouseMove(MouseButtons buttons, bool shift, float x, float y) {
  ShowCursorStatus(viewport_, {viewport_.PointerToMm(x), viewport_.PointerToMm(y)}, ui_);
  const PixelPoint screen = ui_.ScreenCursor();
  viewport_.DrawingOrigin = {screen.X - static_cast<std::int32_t>(std::lround(x)),
                             screen.Y - static_cast<std::int32_t>(std::lround(y))};
  if ((CurrentClick() == ClickAction::Chain && document_.LineInProgress) || IsPlacingTool()) {
    MovePending(x, y, false);
    return;
  }
  if (tool_ != 0) return;
  if (document_.Pending.empty()) return StretchBand(buttons, shift, x, y);
  if (document_.Dragging && (buttons.Left || document_.PendingIsNew)) {
    MovePending(x, y, false);
  } else if (document_.PendingActive && !document_.Dragging) {
    ui_.SetPointer(InSelectionBox(Snapped(x, y)) ? PointerShape::FourWay : PointerShape::Arrow);
  }
}

template <class D>
void DrawingEditor<D>::MouseUp(MouseButton button, bool shift, float x, float y) {
  (void)button, (void)x, (void)y;
  document_.Dragging = false;
  if (tool_ == 0 && shift && document_.PendingActive) CycleSelection();
}

template <class D>
void DrawingEditor<D>::DoubleClick() {
  if (document_.Pending.size() == 1 && document_.Pending.front().Kind == TextKind) MnuEditTexte();
}

// ---- selection -------------------------------------------------------------------------

template <class D>
void DrawingEditor<D>::SelectAtPoint(float x, float y, bool shift) {
  document_.PickPoint = Snapped(x, y);
  pickCorner_ = document_.PickPoint;
  SelectInBox(shift);
  if (!document_.PendingActive) return;
  // Pressing on an element and dragging moves it at once.
  ui_.SetPointer(PointerShape::FourWay);
  MovePending(x, y, true);
}

// Shift-click steps through what is in hand, one element or one group at a
// time: the others are let go for the moment and drawn as usual.
template <class D>
void DrawingEditor<D>::CycleSelection() {
  std::vector<Item>& items = document_.Pending;
  if (items.empty()) return;
  const auto count = static_cast<std::int32_t>(items.size());
  if (cycleIndex_ < 0 || cycleIndex_ > count - 1) cycleIndex_ = 0;
  // A new block has no element behind it: its Index must not reach the drawing.
  const bool marks = !document_.PendingIsNew;
  auto setActive = [&](Item& item, bool active) {
    item.Active = active;
    if (marks && IsSlot(document_, item.Index))
      document_.Elements[static_cast<std::size_t>(item.Index)].Selected = active;
  };
  for (Item& item : items) setActive(item, false);
  const std::int32_t group = items[static_cast<std::size_t>(cycleIndex_)].Group;
  if (group != 0) {
    // A group comes as one unit.
    for (std::int32_t i = 0; i < count; ++i) {
      Item& item = items[static_cast<std::size_t>(i)];
      if (item.Group != group) continue;
      setActive(item, true);
      cycleIndex_ = i + 1;
    }
  } else {
    setActive(items[static_cast<std::size_t>(cycleIndex_)], true);
    ++cycleIndex_;
  }
  if (cycleIndex_ > count - 1) cycleIndex_ = 0;
  // A selection is written back at each step; a new block waits for its own
  // commit, or it would be appended once per click.
  if (!document_.PendingIsNew) CommitPending(document_);
  Redraw();
  UpdateEditMenus();
}

// ---- clipboard, delete and undo ------------------------------------------------------
// Only the active items of a selection are copied or deleted: after
// shift-click cycling the inactive ones are not part of what the user chose.

template <class D>
void DrawingEditor<D>::MnuCopier() {
  if (document_.PendingActive) {
    std::vector<Item> block = BlockOf(document_.Pending, true);
    if (!block.empty()) {
      document_.ClipBuffer = std::move(block);
      document_.SavedBox = document_.SelectionBox;
      Copied();
    }
  }
  for (const char* command : {control::MnuCouper, control::MnuCopier, control::MnuSuppr})
    ui_.SetEnabled(command, false);
  ui_.SetEnabled(control::MnuColler, true);
}

template <class D>
void DrawingEditor<D>::MnuCouper() {
  MnuCopier();
  MnuSuppr();
}

template <class D>
void DrawingEditor<D>::MnuSuppr() {
  if (tool_ != 0 || !document_.PendingActive) return;
  // Inactive items of a selection stay in the drawing and must not come back
  // a second time; a new block is not in the drawing at all, so all of it is
  // kept for the undo.
  document_.UndoBuffer = BlockOf(document_.Pending, !document_.PendingIsNew);
  document_.SavedBox = document_.SelectionBox;
  // Deleting a new block only lets it go: its Index points at whatever it
  // was copied from.
  if (!document_.PendingIsNew) {
    for (const Item& item : document_.Pending) {
      if (!item.Active || !IsSlot(document_, item.Index)) continue;
      document_.Elements[static_cast<std::size_t>(item.Index)].Kind = DeletedKind;
      document_.Modified = true;
    }
  }
  ui_.SetPointer(PointerShape::Arrow);
  ReleaseSelection();
  Redraw();
  if (!document_.UndoBuffer.empty()) ui_.SetEnabled(control::MnuAnnuler, true);
}

// The deleted items come back where they were, as a new block in hand that
// the next click outside it appends.
template <class D>
void DrawingEditor<D>::MnuAnnuler() {
  if (document_.UndoBuffer.empty()) return;
  UseSelectionTool();
  ReleaseSelection();
  Redraw();
  // Taken, not copied: a second undo must not bring the same elements back twice.
  document_.Pending = std::move(document_.UndoBuffer);
  document_.UndoBuffer.clear();
  // Each restored group stays a group of its own, under a new number.
  RenumberPendingGroups(document_);
  document_.SelectionBox = document_.SavedBox;
  document_.PendingIsNew = true;
  document_.PendingActive = true;
  DrawPending();
  ui_.SetEnabled(control::MnuAnnuler, false);
}

template <class D>
void DrawingEditor<D>::MnuColler() {
  if (document_.ClipBuffer.empty()) return;
  UseSelectionTool();
  CommitPending(document_);  // a held selection is written back, a held new block appended
  ReleaseSelection();
  Redraw();
  document_.Pending = document_.ClipBuffer;
  RenumberPendingGroups(document_);
  document_.SelectionBox = document_.SavedBox;
  PlaceUnderPointer();
  // Set last: letting go of the previous block cleared it.
  document_.PasteInProgress = true;
}

// ---- texts -------------------------------------------------------------------------------

// The dialog comes between ending the previous tool and placing the text;
// without a text the selection tool comes back.
template <class D>
void DrawingEditor<D>::StartTextTool() {
  TextDialogRequest request;
  request.NewText = true;
  const TextDialogAnswer answer = ui_.ShowTextDialog(request);
  if (answer.Accepted) incrementValue_ = IncrementValueOf(answer);
  if (!GivesText(answer)) {
    StopTool();
    return;
  }
  textEntry_ = answer;
  ui_.SetPointer(PointerShape::Cross);
  PrepareText();
}

template <class D>
void DrawingEditor<D>::PrepareText() {
  ReleaseSelection();
  Item text = NewItem(tool_);
  text.Kind = TextKind;
  text.Size = TextHeightAt(settings_.Which, textEntry_.SizeIndex);
  text.MoveMode = PendingMove::Whole;
  text.Active = true;
  ApplyTextEntry(text);
  document_.Pending = {text};
  PlaceUnderPointer();
}

template <class D>
void DrawingEditor<D>::ApplyTextEntry(Item& item) {
  const TextExtent extent =
      ComputeTextEntry(textEntry_, incrementValue_, {item.X1, item.Y1}, {item.X2, item.Y2},
                       item.Angle, viewport_, settings_.Which);
  item.Text = extent.Text;
  item.Size = extent.Height;
  item.X2 = extent.Second.X;
  item.Y2 = extent.Second.Y;
}

// Only the item in hand changes: the element takes it at the next commit.
template <class D>
void DrawingEditor<D>::MnuEditTexte() {
  Item* text = nullptr;
  for (Item& item : document_.Pending) {
    if (item.Active && item.Kind == TextKind) {
      text = &item;
      break;
    }
  }
  if (!text) return;
  const std::optional<TextDialogRequest> request = EditTextRequest(text->Text, text->Size);
  if (!request) {
    ui_.Tell(EditTextError);
    return;
  }
  const TextDialogAnswer answer = ui_.ShowTextDialog(*request);
  if (!GivesText(answer)) return;
  textEntry_ = answer;
  incrementValue_ = -1;
  DrawPending();  // erase the old preview
  ApplyTextEntry(*text);
  DrawPending();
}

}  // namespace common
