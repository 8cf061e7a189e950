#include "lyt/editor/board_editor.h"

#include "lyt/editor/board_controls.h"

#include "common/core/status_texts.h"
#include "lyt/core/board_extent.h"
#include "lyt/core/board_file.h"
#include "lyt/core/size_presets.h"

namespace lyt {
namespace {

const char* const kPadTools[] = {control::OptPastilleR, control::OptPastilleC, control::OptPastilleOH,
                                 control::OptPastilleRect, control::OptTrou, control::OptEmp};

struct LayerSetting {
  const char* Button;
  const char* StatusText;
};

LayerSetting SettingOf(int layer) {
  switch (layer) {
    case BoardLayer::Component: return {control::OptComposant, " Couche Composants "};
    case BoardLayer::Silkscreen: return {control::OptSerig, " Couche Sérigraphie  "};
    default: return {control::OptSoudure, " Couche Soudures  "};
  }
}

common::EditorSettings BoardSettings() {
  common::EditorSettings settings{common::Program::Lyt,
                                  common::LytViewport,
                                  common::FontVariant::Lyt,
                                  "Circuit Imprimé (*.Lyt)|*.Lyt|Empreinte (*.Emp)|*.Emp",
                                  {control::MnuAnnuler, control::MnuCouper, control::MnuCopier, control::MnuColler, control::MnuSuppr,
                                   control::MnuChanger, control::MnuRotation, control::MnuEditTexte, control::MnuInfo},
                                  {control::MnuCouper, control::MnuCopier, control::MnuSuppr, control::MnuChanger, control::MnuRotation,
                                   control::MnuEditTexte, control::MnuInfo}};
  return settings;
}

}  // namespace

BoardEditor::BoardEditor(BoardUi& ui, std::string programFolder)
    : DrawingEditor(ui, std::move(programFolder), BoardSettings()), boardUi_(ui) {
  using common::ClickAction;
  auto id = [](Tool tool) { return static_cast<std::int32_t>(tool); };
  SetTools({
      {id(Tool::Select), control::OptSelect, 0, ClickAction::Select, {}},
      {id(Tool::Track), control::OptPiste, 0, ClickAction::Chain, {}},
      {id(Tool::RoundPad), control::OptPastilleR, 0, ClickAction::FreeCopy, [this] { BuildPad(ElementKind::RoundPad); }},
      {id(Tool::SquarePad), control::OptPastilleC, 0, ClickAction::FreeCopy, [this] { BuildPad(ElementKind::SquarePad); }},
      {id(Tool::OvalPad), control::OptPastilleOH, 0, ClickAction::FreeCopy, [this] { BuildPad(ElementKind::OvalPad); }},
      {id(Tool::RectPad), control::OptPastilleRect, 0, ClickAction::FreeCopy, [this] { BuildPad(ElementKind::RectPad); }},
      {id(Tool::Hole), control::OptTrou, 0, ClickAction::FreeCopy, [this] { BuildHole(); }},
      {id(Tool::Circle), control::OptRond, 0, ClickAction::FreeCopy, [this] { BuildCircle(); }},
      {id(Tool::Text), control::OptTexte, 't', ClickAction::NumberedText, {}},
      {id(Tool::Footprint), control::OptEmp, 0, ClickAction::NewGroup, [this] { PrepareFootprint(); }},
  });
}

void BoardEditor::ResetDocument() { lyt::InitDocument(document_); }

// A reset board is edited on the solder side, as the pad colour says.
void BoardEditor::ResetWindowLists() {
  ui_.SetEnabled(control::OptRond, false);
  FillSizeLists();
  layers_.CurrentLayer = BoardLayer::Solder;
  ui_.SelectOption(control::OptSoudure);
  boardUi_.SetShapeColour(document_.Colours.PadColour);
  for (const char* tool : kPadTools) ui_.SetEnabled(tool, true);
  ui_.SetStatusText(1, " Couche Soudures ");
  FillFootprintList();
}

void BoardEditor::FillSizeLists() {
  ui_.FillList(control::ComboPastille, PadSizes().Labels, PadSizes().InitialIndex);
  ui_.FillList(control::ComboPiste, TrackSizes().Labels, TrackSizes().InitialIndex);
  ui_.FillList(control::ComboTrou, HoleSizes().Labels, HoleSizes().InitialIndex);
}

bool BoardEditor::WriteFile() {
  SaveOutcome outcome = SaveDocumentFile(document_, viewport_.GridStepX, viewport_.GridStepY);
  if (outcome.Problem) ui_.Tell(*outcome.Problem);
  if (outcome.RefillFootprintList) FillFootprintList();  // it may have been saved into the library
  return outcome.Saved;
}

// The whole file was read; what could not be is told to the user, after the
// grid steps it brought, if any.
bool BoardEditor::ReadFile() {
  const ReadOutcome read = ReadDocument(document_, viewport_);
  if (read.GridStepsRead) common::ShowGridStepStatus(viewport_, ui_);
  if (read.Problem) ui_.Tell(*read.Problem);
  return read.Complete();
}

// A hidden layer cannot be chosen for drawing: its button follows the mark.
void BoardEditor::ToggleLayerShown(int layer) {
  bool& shown = layer == BoardLayer::Component ? layers_.ShowComponent
                : layer == BoardLayer::Solder  ? layers_.ShowSolder
                                               : layers_.ShowSilkscreen;
  shown = !shown;
  static const char* const menus[] = {control::MnuComposant, control::MnuSoudure, control::MnuSerig};
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
  BoardColours& colours = document_.Colours;
  if (layer == BoardLayer::Component) colours.PadColour = colours.ComponentColour;
  if (layer == BoardLayer::Solder) colours.PadColour = colours.SolderColour;
  boardUi_.SetShapeColour(copper ? colours.PadColour : colours.SilkscreenColour);
  for (const char* tool : kPadTools) ui_.SetEnabled(tool, copper);
  ui_.SetEnabled(control::OptTexte, true);
  ui_.SetEnabled(control::OptRond, !copper);
  RedrawBoard();
}

void BoardEditor::OptComposant() { SelectLayer(BoardLayer::Component); }
void BoardEditor::OptSoudure() { SelectLayer(BoardLayer::Solder); }
void BoardEditor::OptSerig() { SelectLayer(BoardLayer::Silkscreen); }

// 'r' turns and 'g' changes the layer of whatever is in hand, floating or
// selected, whether or not the menu entries are enabled.
void BoardEditor::CommandKey(char character) {
  if (character == 'r') MnuRotation();
  if (character == 'g') MnuChanger();
}

void BoardEditor::RedrawBoard() {
  VisibleArea visible{layout_.Picture2Left(), layout_.Picture2Top(), layout_.Picture1.Width,
                      layout_.Picture1.Height};
  lyt::RedrawBoard(document_, layers_, visible, viewport_, font_, ui_.DrawingArea());
  for (const std::string& problem : font_.TakeProblems()) ui_.Tell(problem);
}

std::optional<common::MmBox> BoardEditor::DrawingExtent() const { return LiveExtent(document_); }

void BoardEditor::DrawPending() { lyt::DrawPending(document_, viewport_, ui_.DrawingArea()); }

}  // namespace lyt
