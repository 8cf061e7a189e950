// Texts: the text tool, the text dialog's values, "Editer Texte" (being written).
#include "lyt/core/board_editor.h"

namespace lyt {

void BoardEditor::OptTexte() {}
void BoardEditor::PrepareText() {}
void BoardEditor::ApplyTextEntry(PendingItem&) {}
void BoardEditor::MnuEditTexte() {}
void BoardEditor::MnuPas() {}

}  // namespace lyt
