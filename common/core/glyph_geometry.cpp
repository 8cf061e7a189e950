#include "common/core/glyph_geometry.h"

#include "common/core/text_encoding.h"

#include <algorithm>

namespace common {

bool IsQuarterTurn(int angle) { return angle == 0 || angle == 90 || angle == 180 || angle == 270; }

TenthsOffset CellOriginFromPen(int angle) {
  switch (angle) {
    case 90:
      return {0, -kAdvanceTenths};
    case 180:
      return {-kAdvanceTenths, 0};
    case 270:
      return {-kCellHeightTenths, 0};
    default:
      return {0, 0};
  }
}

TenthsOffset OffsetInCell(int angle, bool mirror, int x, int y) {
  const int along = mirror ? kCellWidthTenths - x : x;
  switch (angle) {
    case 90:
      return {y, kCellWidthTenths - along};
    case 180:
      return {kCellWidthTenths - along, -y};
    case 270:
      return {kCellHeightTenths - y, along};
    default:
      return {along, y};
  }
}

TenthsOffset PenAfterCell(int angle) {
  switch (angle) {
    case 0:
      return {kAdvanceTenths, 0};
    case 270:
      return {kCellHeightTenths, kAdvanceTenths};
    default:
      return {0, 0};
  }
}

char32_t ToUpperAscii(char32_t c) { return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c; }

const Glyph* FindGlyph(const std::vector<Glyph>& glyphs, char32_t character) {
  auto found = std::find_if(glyphs.begin(), glyphs.end(),
                            [character](const Glyph& g) { return g.Character == character; });
  return found == glyphs.end() ? nullptr : &*found;
}

std::u32string CharactersToDraw(std::string_view text, bool mirror) {
  std::u32string characters = DecodeUtf8(text);
  if (mirror) std::reverse(characters.begin(), characters.end());
  return characters;
}

}  // namespace common
