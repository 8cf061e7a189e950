// The footprint library: the list of footprints and the footprint tool.
#include "lyt/editor/board_editor.h"

#include "lyt/editor/board_controls.h"

#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"

namespace lyt {

void BoardEditor::FillFootprintList() {
  const std::vector<std::string> names = ListFootprintNames(programFolder_);
  ui_.FillList(control::ComboEmp, names, names.empty() ? -1 : 0);
}

// The chosen footprint goes into Pending and under the pointer, its first
// element on the snapped pointer. When it cannot be read (the user is told
// why) the selection tool comes back.
void BoardEditor::PrepareFootprint() {
  ReleaseSelection();
  const std::string name = ui_.ListText(control::ComboEmp);
  bool read = false;
  if (name.empty())  // an empty library: nothing to look for
    ui_.Tell("Fichier d'empreinte Introuvable!", common::MessageIcon::Exclamation);
  else if (const auto problem = ReadFootprint(document_, programFolder_, name))
    ui_.Tell(*problem);
  else
    read = true;
  if (!read) {
    OptSelect();
    return;
  }
  ui_.SetPointer(common::PointerShape::Cross);
  PlaceUnderPointer();
}

}  // namespace lyt
