#pragma once

#include "common/core/glyph_table.h"
#include "lyt/core/board_element.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lyt {

// RS-274X photoplot files, one per layer: self-contained (own apertures from
// D10), absolute coordinates in thousandths of a millimetre with y upwards,
// UTF-8 text with CR LF line ends. Holes go to the drill file instead.

// The file beside the board for layer 0 (component), 1 (solder) or
// 2 (silkscreen): "essai.Lyt" gives "essai-Composant.gbr"...
std::string GerberFileName(const std::string& boardFileName, std::int32_t layer);

// What went wrong while writing, for the user: each distinct message once,
// in the order first met. The caller may pass the same list to several
// files, and tells the user what was added.
using GerberProblems = std::vector<std::string>;

// Receives the file text piece by piece; false stops the writing.
using GerberSink = std::function<bool(std::string_view)>;

// Writes the file of one layer to `sink` in pieces as it is produced, so
// that memory stays bounded however large the file. False when the sink
// refused a piece. Problems as for ExportGerberLayer.
bool WriteGerberLayer(const std::vector<BoardElement>& elements, std::int32_t layer,
                      GerberProblems& problems, const GerberSink& sink);

// The whole file text for one layer. Pads and holes on both copper layers
// (Through) go to both copper files; solder-side texts are mirrored. A text
// at a bad angle writes nothing for its characters and adds "Angle
// incorrect !" to `problems`.
std::string ExportGerberLayer(const std::vector<BoardElement>& elements, std::int32_t layer,
                              GerberProblems& problems);

// The stroke font written as aperture moves into `out`: each stroke a move
// and a draw with the aperture already selected. (x, y) is the pen in board
// millimetres (y downwards), advanced as the screen font does, unrounded.
void GerberText(std::string& out, const std::string& text, float& x, float& y, float size,
                int angle, bool mirror, GerberProblems& problems);
void GerberGlyph(std::string& out, const common::Glyph& glyph, float& x, float& y, float size,
                 int angle, bool mirror, GerberProblems& problems);
void GerberSpace(float& x, float& y, float size, int angle, GerberProblems& problems);

}  // namespace lyt
