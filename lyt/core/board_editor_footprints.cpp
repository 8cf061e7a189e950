// The footprint library (being written).
#include "lyt/core/board_editor.h"

namespace lyt {

void BoardEditor::FillFootprintList() {}
void BoardEditor::PrepareFootprint() {}

}  // namespace lyt
