#include "common/core/grid_step_input.h"

#include "common/core/number_text.h"
#include "common/core/status_texts.h"

#include <string>

namespace common {
namespace {

const char* const GridStepPrompt =
    "Pas de la grille en mmm de 0.5mm à 10mm\r\n"
    "Pas standard 1mm \r\n";
const char* const GridStepTitle = "Pas de la grille";

bool IsAcceptedGridStep(double step) { return step >= SmallestGridStep && step <= LargestGridStep; }

}  // namespace

bool AskGridStep(Viewport& viewport, UiPort& ui) {
  // The answer is read with the full stop only, so the proposed step is
  // written with it too: accepting it as shown must work in any locale.
  std::string proposed = FormatNumber(viewport.GridStep(), '.');
  for (;;) {
    std::string answer = ui.InputBox(GridStepPrompt, GridStepTitle, proposed);
    if (answer.empty()) return false;
    double step = ParseTypedNumber(answer);
    if (!IsAcceptedGridStep(step)) continue;
    viewport.SetGridStep(static_cast<float>(step));
    ui.SetStatusText(viewport.Config().GridStepPanel,
                     GridStepText(viewport, ui.DecimalSeparator()));
    return true;
  }
}

}  // namespace common
