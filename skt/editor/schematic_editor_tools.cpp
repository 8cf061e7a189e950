// What each tool of the schematic puts in hand, and the component library.
#include "skt/editor/schematic_editor.h"

#include "skt/core/component_library.h"
#include "skt/core/schematic_file.h"

namespace skt {
namespace {

const char* const NoComponentText = "Fichier composant Introuvable!";

}  // namespace

// Chains draw free segments of their kind; the text tool places a free text.
PendingItem SchematicEditor::NewItem(std::int32_t tool) {
  PendingItem item;
  switch (static_cast<Tool>(tool)) {
    case Tool::Wire: item.Kind = ElementKind::Wire; break;
    case Tool::Bus: item.Kind = ElementKind::Bus; break;
    case Tool::DottedLine: item.Kind = ElementKind::DottedLine; break;
    default: item.Kind = ElementKind::Text; break;
  }
  item.MoveMode = PendingMove::Whole;
  item.Active = true;
  return item;
}

// The circle takes the size chosen in ComboRond when its tool is chosen.
void SchematicEditor::PrepareSymbol(Symbol symbol) {
  ReleaseSelection();
  ui_.SetPointer(common::PointerShape::Cross);
  document_.Pending = BuildSymbol(symbol, CircleRadiusAt(ui_.ListIndex(control::ComboRond)), viewport_);
  PlaceUnderPointer();
}

// The chosen component goes into Pending and under the pointer, its first
// element's first point on the snapped pointer. When it cannot be read (the
// user is told why) the selection tool comes back.
void SchematicEditor::PrepareComponent() {
  ReleaseSelection();
  const std::string family = ui_.ListText(control::ComboDossier);
  const std::string component = ui_.ListText(control::ComboEmp);
  std::optional<common::FileProblem> problem;
  if (family.empty() || component.empty())  // an empty library: nothing to look for
    problem = common::FileProblem{NoComponentText, common::MessageIcon::Exclamation};
  else
    problem = ReadComponent(document_, programFolder_, family, component);
  if (problem) {
    ui_.Tell(*problem);
    StopTool();
    return;
  }
  ui_.SetPointer(common::PointerShape::Cross);
  PlaceUnderPointer();
}

void SchematicEditor::FillFolderList() {
  const std::vector<std::string> families = ListFamilies(programFolder_);
  ui_.FillList(control::ComboDossier, families, families.empty() ? -1 : 0);
  // Without a library there is nothing the component tool could place.
  ui_.SetEnabled(control::OptComposant, !families.empty());
  FillComponentList();
}

void SchematicEditor::FillComponentList() {
  const std::string family = ui_.ListText(control::ComboDossier);
  const std::vector<std::string> components =
      family.empty() ? std::vector<std::string>{} : ListComponents(programFolder_, family);
  ui_.FillList(control::ComboEmp, components, components.empty() ? -1 : 0);
}

}  // namespace skt
