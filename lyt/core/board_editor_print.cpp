// Printing the board (being written).
#include "lyt/core/board_editor.h"

namespace lyt {

void BoardEditor::MnuImpression() {}

}  // namespace lyt
