#pragma once

#include "common/core/canvas.h"
#include "common/core/print_conversion.h"
#include "common/core/stroke_font.h"
#include "skt/core/schematic.h"

namespace skt {

// The whole sheet on one page in printer pixels, in black: the sheet frame,
// then every live element at its place in Elements (a selection prints where
// it was last written back), dotted lines dashed, circles with a 0.15 mm pen.
void PrintSchema(const Schematic& schematic, const common::PrintConversion& conversion,
                 const common::StrokeFont& font, common::Canvas& canvas);

}  // namespace skt
