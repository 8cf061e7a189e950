#pragma once

#include "common/core/ui_port.h"
#include "common/core/viewport.h"

namespace common {

inline constexpr float SmallestGridStep = 0.5f;
inline constexpr float LargestGridStep = 10.0f;

// The schematic editor's "Pas de la Grille": asks for one step until it is
// between 0.5 and 10 mm or the box is left empty. True when a step was
// accepted (the caller then lays out the window and redraws).
bool AskGridStep(Viewport& viewport, UiPort& ui);

}  // namespace common
