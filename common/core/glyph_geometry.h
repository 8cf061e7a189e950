#pragma once

#include "common/core/glyph_table.h"

#include <string_view>
#include <vector>

namespace common {

// Where the strokes of a glyph go for a pen position, an angle and a mirror
// flag, in tenths of the text height. The screen font and the photoplot
// texts share these rules and differ only in rounding.

// An offset in tenths of the height, canvas axes (y downward).
struct TenthsOffset {
  int X, Y;
};

bool IsQuarterTurn(int angle);

// The cell's reference corner from the pen: the rotated cell lies on the
// far side of the pen at 90 and 180 degrees, and to its left at 270.
TenthsOffset CellOriginFromPen(int angle);

// Where the glyph point (x, y) lies from the cell's reference corner.
// Mirroring flips the glyph along the reading direction.
TenthsOffset OffsetInCell(int angle, bool mirror, int x, int y);

// Where the next character starts, from the cell's reference corner.
TenthsOffset PenAfterCell(int angle);

// Only ASCII letters have capitals in the font.
char32_t ToUpperAscii(char32_t c);

// Null when the character has no glyph.
const Glyph* FindGlyph(const std::vector<Glyph>& glyphs, char32_t character);

// The characters of a UTF-8 text in the order they are drawn: a mirrored
// text runs backwards so that, with mirrored glyphs, it is the mirror image.
std::u32string CharactersToDraw(std::string_view text, bool mirror);

}  // namespace common
