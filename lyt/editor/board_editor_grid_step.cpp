// The grid-step dialog.
#include "lyt/editor/board_editor.h"

#include "common/core/grid_step_input.h"
#include "common/core/number_text.h"

namespace lyt {

// The dialog writes its status texts itself, with a space after the colon.
void BoardEditor::MnuPas() {
  auto accept = [this](const std::string& textX, const std::string& textY) {
    const double x = common::ParseTypedNumber(textX);
    const double y = common::ParseTypedNumber(textY);
    auto inRange = [](double step) {
      return step >= common::SmallestGridStep && step <= common::LargestGridStep;
    };
    if (!inRange(x) || !inRange(y)) {
      ui_.Tell("valeur incorrecte");
      return false;
    }
    viewport_.SetGridSteps(static_cast<float>(x), static_cast<float>(y));
    const int panel = viewport_.Config().GridStepPanel;
    ui_.SetStatusText(panel, "  Pas de la grille Horizontal: " +
                                 common::WriteFileNumber(viewport_.GridStepX) + "mm   ");
    ui_.SetStatusText(panel + 1, "  Pas de la grille Vertical: " +
                                     common::WriteFileNumber(viewport_.GridStepY) + "mm   ");
    return true;
  };
  boardUi_.ShowGridStepDialog(common::WriteFileNumber(viewport_.GridStepX),
                         common::WriteFileNumber(viewport_.GridStepY), accept);
  LayOut();
  RedrawBoard();
}

}  // namespace lyt
