#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/core/canvas.h"
#include "common/core/colour.h"
#include "common/core/glyph_table.h"

namespace common {

// The vector font every document text is drawn with, so that texts zoom,
// rotate by quarter turns, mirror and print alike. Coordinates and heights
// are integer canvas units, y growing downward; angles are 0, 90, 180 or 270
// degrees counter-clockwise as seen on the canvas. Drawing starts from, and
// moves, the canvas's current point.
class StrokeFont {
 public:
  // Builds the glyph table once.
  explicit StrokeFont(FontVariant variant);

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

  // The messages about bad angles met since the last call, each once, in the
  // order met: whoever runs a redraw, an export or a print tells the user
  // once per run, not once per character.
  std::vector<std::string> TakeProblems() const;

  // What a text's height gives all its strokes, worked out once per text.
  struct TextScale;

 private:
  void MoveToStart(int x, int y, int angle, double unitsPerMm, Canvas& canvas) const;
  void DrawCharacter(char32_t character, const TextScale& scale, int angle, bool mirror,
                     Canvas& canvas) const;
  void DrawGlyph(const Glyph& glyph, const TextScale& scale, int angle, bool mirror,
                 Canvas& canvas) const;
  void AdvanceSpace(const TextScale& scale, int angle, Canvas& canvas) const;

  void Report(const char* message) const;

  FontVariant variant_;
  std::vector<Glyph> glyphs_;
  std::array<const Glyph*, 128> asciiGlyphs_{};  // the glyph of each ASCII character, or null
  mutable std::vector<std::string> problems_;
};

}  // namespace common
