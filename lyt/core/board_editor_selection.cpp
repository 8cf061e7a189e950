// Selection and the edit commands (being written).
#include "lyt/core/board_editor.h"

namespace lyt {

void BoardEditor::SelectAtPoint(float, float) {}
void BoardEditor::SelectInBox() {}
void BoardEditor::CycleSelection() {}
void BoardEditor::UpdateEditMenus() {}
void BoardEditor::MnuAnnuler() {}
void BoardEditor::MnuCouper() {}
void BoardEditor::MnuCopier() {}
void BoardEditor::MnuColler() {}
void BoardEditor::MnuSuppr() {}
void BoardEditor::MnuRotation() {}
void BoardEditor::MnuChanger() {}
void BoardEditor::MnuInfo() {}

}  // namespace lyt
