#pragma once

#include <string>
#include <vector>

#include "common/core/canvas.h"
#include "common/core/colour.h"
#include "common/core/glyph_table.h"
#include "common/core/ui_port.h"

namespace common {

// The vector font every document text is drawn with, so that texts zoom,
// rotate by quarter turns, mirror and print alike. Coordinates and heights
// are integer canvas units, y growing downward; angles are 0, 90, 180 or 270
// degrees counter-clockwise as seen on the canvas. Drawing starts from, and
// moves, the canvas's current point.
class StrokeFont {
 public:
  // Builds the glyph table once; messages about bad angles go to `ui`.
  StrokeFont(FontVariant variant, UiPort& ui);

  // Draws a UTF-8 text with its first character cell at (x, y). A mirrored
  // text is the mirror image across the reading direction, in the same cells.
  // `unitsPerMm` (canvas units per millimetre) places schematic texts 0.4 mm
  // lower along the reading frame; board texts ignore it.
  void DrawText(const std::string& text, int x, int y, int height, Colour colour, int angle,
                bool mirror, Canvas& canvas, double unitsPerMm) const;

  // Draws one glyph at the current point and moves it to the next cell.
  void DrawGlyph(const Glyph& glyph, int height, int angle, bool mirror, Canvas& canvas) const;

  // Moves the current point by one character cell, drawing nothing.
  void AdvanceSpace(int height, int angle, Canvas& canvas) const;

  // Nominal length of a UTF-8 text along its reading direction: every
  // character counts, drawable or not.
  static int TextLength(const std::string& text, int height);

  // Null when the character has no glyph (lower case included).
  const Glyph* FindGlyph(char32_t character) const;

  FontVariant Variant() const { return variant_; }

 private:
  void MoveToStart(int x, int y, int angle, double unitsPerMm, Canvas& canvas) const;
  void DrawCharacter(char32_t character, int height, int angle, bool mirror, Canvas& canvas) const;

  FontVariant variant_;
  UiPort& ui_;
  std::vector<Glyph> glyphs_;
};

}  // namespace common
