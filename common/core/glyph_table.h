#pragma once

#include <vector>

namespace common {

// The two programs share the font; the schematic editor adds two glyphs.
enum class FontVariant { Lyt, Skt };

// Glyph cell and pen advance, in tenths of the text height.
constexpr int kCellWidthTenths = 8;
constexpr int kCellHeightTenths = 9;
constexpr int kAdvanceTenths = 11;

// One straight segment of a glyph, in tenths of the text height: x grows to
// the right from the left edge of the cell, y downward from its top. Whole
// tenths keep the table exact and make halves round predictably.
struct Stroke {
  int X1, Y1, X2, Y2;
};

// The strokes of one character, drawn in this order. A curve is a chain of
// short strokes sharing their end points.
struct Glyph {
  char32_t Character;
  std::vector<Stroke> Strokes;
};

// Upper-case letters, digits and a few signs; no lower case (drawn as
// capitals), no full stop and no space (the space is a pen advance).
std::vector<Glyph> BuildGlyphTable(FontVariant variant);

}  // namespace common
