#include "common/core/status_texts.h"

#include "common/core/number_text.h"

namespace common {

std::string HorizontalGridStepText(const Viewport& viewport, char decimalSeparator) {
  return "  Pas de la grille Horizontal:" + FormatNumber(viewport.GridStepX, decimalSeparator) +
         "mm   ";
}

std::string VerticalGridStepText(const Viewport& viewport, char decimalSeparator) {
  return "  Pas de la grille Vertical:" + FormatNumber(viewport.GridStepY, decimalSeparator) +
         "mm   ";
}

std::string GridStepText(const Viewport& viewport, char decimalSeparator) {
  return "  Pas de la grille :" + FormatNumber(viewport.GridStep(), decimalSeparator) + "mm   ";
}

std::string CursorXText(const Viewport& viewport, float x, char decimalSeparator) {
  return "  X= " + FormatNumber(viewport.SnapX(x - viewport.LastDown.X), decimalSeparator) +
         "mm";
}

std::string CursorYText(const Viewport& viewport, float y, char decimalSeparator) {
  return "  Y= " + FormatNumber(viewport.SnapY(y - viewport.LastDown.Y), decimalSeparator) +
         "mm";
}

void ShowGridStepStatus(const Viewport& viewport, UiPort& ui) {
  const ViewportConfig& config = viewport.Config();
  char separator = ui.DecimalSeparator();
  if (config.OneGridStep) {
    ui.SetStatusText(config.GridStepPanel, GridStepText(viewport, separator));
    return;
  }
  ui.SetStatusText(config.GridStepPanel, HorizontalGridStepText(viewport, separator));
  ui.SetStatusText(config.GridStepPanel + 1, VerticalGridStepText(viewport, separator));
}

void ShowCursorStatus(const Viewport& viewport, MmPoint pointer, UiPort& ui) {
  const ViewportConfig& config = viewport.Config();
  char separator = ui.DecimalSeparator();
  ui.SetStatusText(config.CursorPanel, CursorXText(viewport, pointer.X, separator));
  ui.SetStatusText(config.CursorPanel + 1, CursorYText(viewport, pointer.Y, separator));
}

}  // namespace common
