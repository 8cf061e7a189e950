#pragma once

#include "common/core/ui_port.h"
#include "common/core/viewport.h"

#include <string>

namespace common {

// Board editor, panels 2 and 3.
std::string HorizontalGridStepText(const Viewport& viewport, char decimalSeparator);
std::string VerticalGridStepText(const Viewport& viewport, char decimalSeparator);
// Schematic editor, panel 1.
std::string GridStepText(const Viewport& viewport, char decimalSeparator);

// The pointer's snapped distance from the last left press; x and y are the
// pointer position in mm.
std::string CursorXText(const Viewport& viewport, float x, char decimalSeparator);
std::string CursorYText(const Viewport& viewport, float y, char decimalSeparator);

// The grid-step panels of the program the viewport belongs to.
void ShowGridStepStatus(const Viewport& viewport, UiPort& ui);
// The two pointer panels of the program the viewport belongs to.
void ShowCursorStatus(const Viewport& viewport, MmPoint pointer, UiPort& ui);

}  // namespace common
