#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include "common/core/program.h"

namespace common {

// Icons drawn in code, sharp at any size and device pixel ratio. The tool
// buttons are looked up by their control name; a name without an icon gives
// a null QIcon. The two programs share some names (OptSelect, OptRond,
// OptTexte, OptComposant) for different tools, hence two look-ups.

// The board editor's tool and layer buttons.
QIcon ToolIcon(const QString& controlName);

// The schematic editor's tool buttons.
QIcon SchematicToolIcon(const QString& controlName);

// The program's own icon, for its windows.
QIcon ProgramIcon(Program program);

// The same icon as a transparent square image `size` pixels wide, e.g. to
// install as a PNG file.
QImage ProgramIconImage(Program program, int size);

}  // namespace common
