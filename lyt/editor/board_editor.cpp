#include "lyt/editor/board_editor.h"

#include "common/core/about_text.h"
#include "common/core/status_texts.h"
#include "lyt/core/board_file.h"
#include "lyt/core/size_presets.h"

#include <cmath>
#include <filesystem>
#include <system_error>

namespace lyt {
namespace {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::u8path(path), error);
}

const char* const kFileFilter = "Circuit Imprimé (*.Lyt)|*.Lyt|Empreinte (*.Emp)|*.Emp";
const char* const kPadTools[] = {"OptPastilleR", "OptPastilleC", "OptPastilleOH",
                                 "OptPastilleRect", "OptTrou", "OptEmp"};

struct LayerSetting {
  const char* Button;
  const char* StatusText;
};

LayerSetting SettingOf(int layer) {
  switch (layer) {
    case BoardLayer::Component: return {"OptComposant", " Couche Composants "};
    case BoardLayer::Silkscreen: return {"OptSerig", " Couche Sérigraphie  "};
    default: return {"OptSoudure", " Couche Soudures  "};
  }
}

}  // namespace

BoardEditor::BoardEditor(BoardUi& ui, std::string programFolder)
    : ui_(ui),
      programFolder_(std::move(programFolder)),
      viewport_(common::LytViewport),
      font_(common::FontVariant::Lyt) {}

void BoardEditor::Start(const std::string& commandLine) {
  InitDocument();
  LayOut();
  if (!commandLine.empty()) {
    board_.FileName = commandLine;
    Read();
  }
  ui_.SetCaption(board_.CaptionPrefix + board_.FileName);
}

// The whole reset of New, Open and start-up: document, view, lists, menus,
// status bar, caption and the file association.
void BoardEditor::InitDocument() {
  lyt::InitDocument(board_);
  viewport_.ResetForNewDocument();
  DisableEditCommands();
  ui_.SetEnabled("OptRond", false);
  ui_.SetChecked("MnuGrille", viewport_.ShowGrid);
  ui_.SetChecked("MnuRester", viewport_.SnapToGrid);
  FillSizeLists();
  // Nothing is in hand any more: the selection tool comes back.
  tool_ = Tool::Select;
  boxSelecting_ = false;
  ui_.SelectOption("OptSelect");
  ui_.SetPointer(common::PointerShape::Arrow);
  // A reset board is edited on the solder side, as the pad colour says.
  layers_.CurrentLayer = BoardLayer::Solder;
  ui_.SelectOption("OptSoudure");
  ui_.SetShapeColour(board_.Colours.PadColour);
  for (const char* tool : kPadTools) ui_.SetEnabled(tool, true);
  ui_.SetStatusText(1, " Couche Soudures ");
  common::ShowGridStepStatus(viewport_, ui_);
  ui_.SetCaption(board_.CaptionPrefix + board_.FileName);
  ui_.RegisterFileTypes();
  FillFootprintList();
}

void BoardEditor::DisableEditCommands() {
  for (const char* command : {"MnuAnnuler", "MnuCouper", "MnuCopier", "MnuColler", "MnuSuppr",
                              "MnuChanger", "MnuRotation", "MnuEditTexte", "MnuInfo"})
    ui_.SetEnabled(command, false);
}

void BoardEditor::FillSizeLists() {
  ui_.FillList("ComboPastille", PadSizes().Labels, PadSizes().InitialIndex);
  ui_.FillList("ComboPiste", TrackSizes().Labels, TrackSizes().InitialIndex);
  ui_.FillList("ComboTrou", HoleSizes().Labels, HoleSizes().InitialIndex);
}

common::FileDialogSettings BoardEditor::DialogSettings() const {
  return {kFileFilter, programFolder_, std::string()};
}

// Moves, turns and edits of a held selection live in Pending until the next
// commit: files and prints must show them too. The selection stays in hand.
void BoardEditor::WriteBackSelection() {
  if (board_.PendingActive && !board_.PendingIsNew) CommitPending(board_);
}

bool BoardEditor::Write() {
  WriteBackSelection();
  SaveOutcome outcome = SaveDocumentFile(board_, viewport_.GridStepX, viewport_.GridStepY);
  if (outcome.Problem) ui_.Tell(*outcome.Problem);
  if (outcome.RefillFootprintList) FillFootprintList();  // it may have been saved into the library
  return outcome.Saved;
}

void BoardEditor::Reset() {
  InitDocument();
  LayOut();
}

void BoardEditor::Read() {
  // A file that exists but could not be read whole must not be overwritten
  // by the part that was read: the document loses its name. A missing file
  // keeps it, so that a first save creates it.
  const ReadOutcome read = ReadDocument(board_, viewport_);
  if (read.GridStepsRead) common::ShowGridStepStatus(viewport_, ui_);
  if (read.Problem) ui_.Tell(*read.Problem);
  if (!read.Complete() && FileExists(board_.FileName)) {
    board_.FileName = UntitledFileName;
    ui_.SetCaption(board_.CaptionPrefix + board_.FileName);
  }
  LayOut();  // the file may bring other grid steps, hence another scale
  RedrawBoard();
}

void BoardEditor::MnuNouveau() {
  common::NewDocument(*this, ui_);
  RedrawBoard();
}
void BoardEditor::MnuOuvrir() { common::OpenDocument(*this, ui_); }
void BoardEditor::MnuEnreg() { common::SaveDocument(*this, ui_); }
void BoardEditor::MnuEnregSous() { common::SaveDocumentAs(*this, ui_); }
bool BoardEditor::MnuQuitter() { return common::MayQuit(*this, ui_); }

void BoardEditor::MnuGrille() {
  viewport_.ShowGrid = !viewport_.ShowGrid;
  ui_.SetChecked("MnuGrille", viewport_.ShowGrid);
  RedrawBoard();
}

void BoardEditor::MnuRester() {
  viewport_.SnapToGrid = !viewport_.SnapToGrid;
  ui_.SetChecked("MnuRester", viewport_.SnapToGrid);
}

void BoardEditor::MnuRafraichi() { RedrawBoard(); }

// A hidden layer cannot be chosen for drawing: its button follows the mark.
void BoardEditor::ToggleLayerShown(int layer) {
  bool& shown = layer == BoardLayer::Component ? layers_.ShowComponent
                : layer == BoardLayer::Solder  ? layers_.ShowSolder
                                               : layers_.ShowSilkscreen;
  shown = !shown;
  static const char* const menus[] = {"MnuComposant", "MnuSoudure", "MnuSerig"};
  ui_.SetChecked(menus[layer], shown);
  ui_.SetEnabled(SettingOf(layer).Button, shown);
  RedrawBoard();
}

void BoardEditor::MnuComposant() { ToggleLayerShown(BoardLayer::Component); }
void BoardEditor::MnuSoudure() { ToggleLayerShown(BoardLayer::Solder); }
void BoardEditor::MnuSerig() { ToggleLayerShown(BoardLayer::Silkscreen); }

void BoardEditor::SelectLayer(int layer) {
  layers_.CurrentLayer = layer;
  ui_.SetStatusText(1, SettingOf(layer).StatusText);
  bool copper = layer != BoardLayer::Silkscreen;
  if (layer == BoardLayer::Component) board_.Colours.PadColour = board_.Colours.ComponentColour;
  if (layer == BoardLayer::Solder) board_.Colours.PadColour = board_.Colours.SolderColour;
  ui_.SetShapeColour(copper ? board_.Colours.PadColour : board_.Colours.SilkscreenColour);
  for (const char* tool : kPadTools) ui_.SetEnabled(tool, copper);
  ui_.SetEnabled("OptTexte", true);
  ui_.SetEnabled("OptRond", !copper);
  RedrawBoard();
}

void BoardEditor::OptComposant() { SelectLayer(BoardLayer::Component); }
void BoardEditor::OptSoudure() { SelectLayer(BoardLayer::Solder); }
void BoardEditor::OptSerig() { SelectLayer(BoardLayer::Silkscreen); }

void BoardEditor::MnuZoomIn() { Zoom(common::ZoomDirection::In); }
void BoardEditor::MnuZoomOut() { Zoom(common::ZoomDirection::Out); }

void BoardEditor::Zoom(common::ZoomDirection direction) {
  std::optional<common::WindowLayout> zoomed =
      common::ZoomAtCursor(direction, ui_.CursorInDrawingArea(), ui_.Metrics(), viewport_);
  if (!zoomed) return;
  layout_ = *zoomed;
  ui_.ApplyLayout(layout_);
  RedrawBoard();
}

void BoardEditor::LayOut() {
  layout_ = common::LayOutMainWindow(ui_.Metrics(), viewport_);
  ui_.ApplyLayout(layout_);
}

void BoardEditor::Resized() {
  LayOut();
  RedrawBoard();
}

void BoardEditor::Scrolled(bool horizontal, int value) {
  (horizontal ? layout_.HScroll1 : layout_.VScroll1).Value = value;
  ui_.ApplyLayout(layout_);
  RedrawBoard();
}

void BoardEditor::ScrollFocusChanged(bool focused) {
  viewport_.ScrollFocus = focused;
  if (!focused) RedrawBoard();
}

// 'C' held down keeps the view centred on the pointer; its release redraws.
void BoardEditor::KeyDown(Key key, bool shift, bool ctrl, bool alt) {
  if (key == Key::Escape) return StopTool();
  if (key == Key::F5) return RedrawBoard();
  if (key != Key::C || shift || ctrl || alt) return;
  viewport_.CentringKey = true;
  std::optional<common::CursorWarp> warp = common::WarpCursor(
      ui_.ScreenCursor(), ui_.Picture1OnScreen(), layout_.HScroll1, layout_.VScroll1);
  if (!warp) return;
  layout_.HScroll1.Value = warp->HScrollValue;
  layout_.VScroll1.Value = warp->VScrollValue;
  ui_.ApplyLayout(layout_);
  ui_.WarpPointer(warp->Target);
  RedrawBoard();  // the grid stays off while the key is held
}

void BoardEditor::KeyUp(Key key, bool shift, bool ctrl, bool alt) {
  if (key != Key::C || shift || ctrl || alt) return;
  viewport_.CentringKey = false;
  RedrawBoard();
}

void BoardEditor::MnuAPropos() {
  ui_.ShowMessage(common::AboutText(common::Program::Lyt), common::MessageIcon::Information,
                  common::MessageButtons::Ok, std::string());
}

void BoardEditor::RedrawBoard() {
  VisibleArea visible{layout_.Picture2Left(), layout_.Picture2Top(), layout_.Picture1.Width,
                      layout_.Picture1.Height};
  lyt::RedrawBoard(board_, layers_, visible, viewport_, font_, ui_.DrawingArea());
  for (const std::string& problem : font_.TakeProblems()) ui_.Tell(problem);
}

}  // namespace lyt
