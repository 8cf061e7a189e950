#pragma once

#include "common/core/canvas.h"
#include "common/core/colour.h"
#include "common/core/print_conversion.h"
#include "common/core/stroke_font.h"
#include "lyt/core/board.h"
#include "lyt/print/core/print_choice.h"

namespace lyt {

// Print colours in colour mode; in black mode everything is black, and the
// centre of a hole is always white so that the drill point shows on the pad.
namespace PrintColour {
constexpr common::Colour Component = common::Rgb(0, 192, 0);
constexpr common::Colour Solder = common::Rgb(255, 0, 0);
constexpr common::Colour Silkscreen = common::Rgb(128, 128, 0);
constexpr common::Colour Pads = common::Rgb(255, 0, 0);
constexpr common::Colour Holes = common::Rgb(0, 0, 255);
constexpr common::Colour Black = common::Rgb(0, 0, 0);
constexpr common::Colour HoleCentre = common::Rgb(255, 255, 255);
}  // namespace PrintColour

// The layer routines draw the live elements they take, whatever their
// selection mark, in printer pixels. `black`: the black option of the dialog
// (films), otherwise the colours above (checking).

// Component-side tracks and texts.
void PrintComposant(const Board& board, const common::PrintConversion& conversion, bool black,
                    const common::StrokeFont& font, common::Canvas& canvas);
// Solder-side tracks and texts, the texts mirrored.
void PrintSoudure(const Board& board, const common::PrintConversion& conversion, bool black,
                  const common::StrokeFont& font, common::Canvas& canvas);
// Silkscreen tracks, circles and texts.
void PrintSerig(const Board& board, const common::PrintConversion& conversion, bool black,
                const common::StrokeFont& font, common::Canvas& canvas);
// Every pad, whatever its layer.
void PrintPastilles(const Board& board, const common::PrintConversion& conversion, bool black,
                    common::Canvas& canvas);
// Every hole: a ring just outside the drill, a white centre, a cross.
void PrintTrous(const Board& board, const common::PrintConversion& conversion, bool black,
                common::Canvas& canvas);

// The ticked layers of the print dialog, superimposed on one page: each
// copper side with its pads and holes, then the silkscreen, then the drill
// plan.
void PrintBoardPage(const Board& board, const lyt::PrintChoice& choice,
                    const common::PrintConversion& conversion, const common::StrokeFont& font,
                    common::Canvas& canvas);

}  // namespace lyt
