#pragma once

#include "common/core/ui_port.h"
#include "common/core/viewport.h"

namespace common {

// The schematic editor's "Pas de la Grille": asks for one step until it is
// between SmallestGridStep and LargestGridStep or the box is left empty.
// True when a step was accepted (the caller then lays out the window and
// redraws).
bool AskGridStep(Viewport& viewport, UiPort& ui);

}  // namespace common
