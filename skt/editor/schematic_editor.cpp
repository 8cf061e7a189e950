#include "skt/editor/schematic_editor.h"

#include "skt/core/component_library.h"
#include "skt/core/schematic_extent.h"
#include "skt/core/schematic_file.h"
#include "skt/core/schematic_renderer.h"

#include "common/core/grid_step_input.h"

namespace skt {
namespace {

common::EditorSettings SchematicSettings() {
  return {common::Program::Skt,
          common::SktViewport,
          common::FontVariant::Skt,
          "Schéma (*.Skt)|*.Skt|Composant (*.Cmp)|*.Cmp",
          {control::MnuAnnuler, control::MnuCouper, control::MnuCopier, control::MnuSuppr,
           control::MnuRotation, control::MnuHoriz, control::MnuVertical, control::MnuEditTexte},
          {control::MnuCouper, control::MnuCopier, control::MnuSuppr, control::MnuRotation,
           control::MnuHoriz, control::MnuVertical, control::MnuEditTexte}};
}

}  // namespace

SchematicEditor::SchematicEditor(SchematicUi& ui, std::string programFolder)
    : DrawingEditor(ui, std::move(programFolder), SchematicSettings()), schematicUi_(ui) {
  using common::ClickAction;
  auto id = [](Tool tool) { return static_cast<std::int32_t>(tool); };
  auto symbol = [this](Symbol which) { return [this, which] { PrepareSymbol(which); }; };
  SetTools({
      {id(Tool::Select), control::OptSelect, 0, ClickAction::Select, {}},
      {id(Tool::Wire), control::OptFil, 'w', ClickAction::Chain, {}},
      {id(Tool::Bus), control::Optbus, 'b', ClickAction::Chain, {}},
      {id(Tool::DottedLine), control::OptPoint, 'l', ClickAction::Chain, {}},
      {id(Tool::Junction), control::OptJonction, 'j', ClickAction::FreeCopy, symbol(Symbol::Junction)},
      {id(Tool::BusEntry), control::OptEntreeBus, 'e', ClickAction::FreeCopy, symbol(Symbol::BusEntry)},
      {id(Tool::Ground), control::OptMasse, 'g', ClickAction::NewGroup, symbol(Symbol::Ground)},
      {id(Tool::Earth), control::OptTerre, 0, ClickAction::NewGroup, symbol(Symbol::Earth)},
      {id(Tool::Plus5V), control::OptPlus5V, 0, ClickAction::NewGroup, symbol(Symbol::Plus5V)},
      {id(Tool::Minus5V), control::OptMoins5V, 0, ClickAction::NewGroup, symbol(Symbol::Minus5V)},
      {id(Tool::Arrow), control::OptFleche, 'f', ClickAction::NewGroup, symbol(Symbol::Arrow)},
      {id(Tool::SheetLink), control::OptRenvoi, 's', ClickAction::NewGroup, symbol(Symbol::SheetLink)},
      {id(Tool::Circle), control::OptRond, 0, ClickAction::FreeCopy, symbol(Symbol::Circle)},
      {id(Tool::Text), control::OptTexte, 't', ClickAction::NumberedText, {}},
      {id(Tool::Component), control::OptComposant, 'p', ClickAction::NewGroup, [this] { PrepareComponent(); }},
  });
}

void SchematicEditor::ResetDocument() { skt::InitDocument(document_); }

// The copy buffer survives New and Open: its block can be pasted into the
// next schematic.
void SchematicEditor::ResetWindowLists() {
  ui_.SetEnabled(control::MnuColler, document_.ClipboardFull);
  ui_.FillList(control::ComboRond, {CircleDiameterLabels.begin(), CircleDiameterLabels.end()},
               InitialCircleIndex);
  FillFolderList();
}

bool SchematicEditor::WriteFile() {
  SaveOutcome outcome = SaveDocumentFile(document_);
  if (outcome.Problem) ui_.Tell(*outcome.Problem);
  if (outcome.RefillComponentList) FillComponentList();  // it may have been saved into the library
  return outcome.Saved;
}

std::optional<common::MmBox> SchematicEditor::DrawingExtent() const {
  return LiveExtent(document_);
}

bool SchematicEditor::ReadFile() {
  const auto problem = ReadDocument(document_);
  if (problem) ui_.Tell(*problem);
  return !problem;
}

void SchematicEditor::MnuPas() {
  if (!common::AskGridStep(viewport_, ui_)) return;
  LayOut();
  RedrawSchematic();
}

// 'r' turns, 'h' and 'v' flip whatever is in hand, floating or selected.
void SchematicEditor::CommandKey(char character) {
  if (character == 'r') MnuRotation();
  if (character == 'h') MnuHoriz();
  if (character == 'v') MnuVertical();
}

// A pasted block is dropped by the first click and let go.
void SchematicEditor::DropPaste() {
  CommitPending(document_);
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Arrow);
  RedrawSchematic();
}

void SchematicEditor::RedrawSchematic() {
  const common::VisibleArea visible{layout_.Picture2Left(), layout_.Picture2Top(),
                                    layout_.Picture1.Width, layout_.Picture1.Height};
  skt::RedrawSchematic(document_, visible, viewport_, font_, ui_.DrawingArea());
  for (const std::string& problem : font_.TakeProblems()) ui_.Tell(problem);
}

void SchematicEditor::DrawPending() { skt::DrawPending(document_, viewport_, ui_.DrawingArea()); }

}  // namespace skt
