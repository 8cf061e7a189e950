#pragma once

#include "common/core/geometry.h"
#include "skt/core/schematic.h"

#include <optional>

namespace skt {

// Where an element shows on the sheet, in mm: a line between its ends, a
// junction's square, a circle, a text box. Nothing for a deleted record or
// the unseen records of a component.
std::optional<MmBox> ElementBox(const SchematicElement& element);

// The box of every live element that shows; nothing when none does.
std::optional<MmBox> LiveExtent(const Schematic& schematic);

}  // namespace skt
