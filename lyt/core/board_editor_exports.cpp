// Gerber and drill files of the board (being written).
#include "lyt/core/board_editor.h"

namespace lyt {

void BoardEditor::MnuGerber() {}
void BoardEditor::MnuExcellon() {}

}  // namespace lyt
