// The Gerber and drill writers: whole files compared byte for byte, what a
// file must never hold, and the photoplotted text against the screen font.
#include "common/core/stroke_font.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/export_format.h"
#include "lyt/export/gerber_writer.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using namespace lyt::BoardLayer;
using Strings = std::vector<std::string>;
using LineList = std::initializer_list<std::string>;

BoardElement E(std::int32_t kind, std::int32_t layer, float size, float x1, float y1, float x2 = 0, float y2 = 0,
               std::string text = {}, std::int32_t angle = 0) {
  return {0, kind, layer, size, x1, y1, x2, y2, false, std::move(text), angle};
}

// Lines as the exports end them.
std::string CrLf(LineList lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The lines of an export; a last line without CR LF is marked, to fail visibly.
Strings Lines(const std::string& text) {
  Strings lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start) + "<no CR LF>");
  return lines;
}

BoardElement H(float size, float x, float y) { return E(Hole, Through, size, x, y); }

std::string File(LineList tools, LineList body) {
  return CrLf({"M48", "METRIC,LZ"}) + CrLf(tools) + CrLf({"M95", "M47, debut perçage", "G05", "M71"}) + CrLf(body) +
         CrLf({"M30"});
}

TEST(ExportFormat, NumbersKeepTheirFloatValueAndSign) {
  EXPECT_EQ(GerberCoordinate(-0.3175f), "-317") << "the float lies just below -0.3175";
  EXPECT_EQ(GerberCoordinate(0.0125), "12") << "halves go to even";
  EXPECT_EQ(DrillCoordinate(-0.5f), "-.500");
}

// Tools are written "T1C0.800": a comma after the C reads as a decimal point.
TEST(DrillFile, IsWrittenByteForByte) {
  const std::tuple<const char*, std::vector<BoardElement>, std::optional<std::string>> cases[] = {
      {"a tool per size, changed each time the size changes",
       {H(0.4f, 10, 20), H(0.5f, 12.54f, 20), H(0.4f, 15.08f, 20)},
       File({"T1C0.800", "T2C1.000"}, {"T1", "X10.000Y175.580", "T2", "X12.540Y175.580", "T1", "X15.080Y175.580"})},
      {"only live holes, on any layer",
       {H(0.4f, 1, 1), H(0.4f, 2, 1), E(RoundPad, Through, 0.8f, 7, 1), E(Deleted, Through, 0.9f, 8, 1),
        E(Hole, Component, 0.7f, 9, 1)},
       File({"T1C0.800", "T2C1.400"}, {"T1", "X1.000Y194.580", "X2.000Y194.580", "T2", "X9.000Y194.580"})},
      {"sizes apart beyond the third decimal are two tools",
       {H(0.4f, 0.5f, 195.08f), H(std::nextafter(0.4f, 1.0f), 1, 1)},
       File({"T1C0.800", "T2C0.800"}, {"T1", "X.500Y.500", "T2", "X1.000Y194.580"})},
      {"no file without holes", {E(RoundPad, Through, 0.8f, 7, 1)}, std::nullopt}};
  for (const auto& [name, board, file] : cases) EXPECT_EQ(ExportDrill(board), file) << name;
}

std::string Layer(const std::vector<BoardElement>& board, std::int32_t layer) {
  GerberProblems problems;
  return ExportGerberLayer(board, layer, problems);
}

// The body between "G04 tracé du CI *" and "M02*", or the aperture
// definitions between the header and it.
Strings Part(const std::string& file, bool body) {
  const Strings lines = Lines(file);
  const auto middle = std::find(lines.begin(), lines.end(), "G04 tracé du CI *");
  const bool whole = middle - lines.begin() >= 6 && lines.back() == "M02*";
  EXPECT_TRUE(whole) << "not a whole file:\n" << file;
  if (!whole) return {};
  return body ? Strings(middle + 1, lines.end() - 1) : Strings(lines.begin() + 6, middle);
}

// Dead records and unused kinds (3 mm wide, a size nothing else has) never
// reach a file.
TEST(GerberLayer, TrackAndThroughPadGiveTheseFilesByteForByte) {
  const std::vector<BoardElement> board = {
      E(Track, Component, 0.8f, 10, 20, 30, 20), E(RoundPad, Through, 0.8f, 10, 20), E(Hole, Through, 0.4f, 10, 20),
      E(Deleted, Component, 3.0f, 1, 1, 2, 2), E(2, Component, 3.0f, 1, 1, 2, 2), E(3, Through, 3.0f, 1, 1, 2, 2)};
  const std::string header =
      CrLf({"G04 format : xxx.xxx unité : millimètre *", "%FSLAX33Y33*", "MOMM*", "OFA0B0*", "SFA1B1*", "IPPOS*%"});
  const std::string pads = "G04 définition des ouvertures pour les pastilles rondes *";
  EXPECT_EQ(Layer(board, Component),
            header + CrLf({"G04 définition des ouvertures pour les pistes *", "%ADD10C,0.8*%", pads, "%ADD11C,1.6X0.2*%",
                           "G04 tracé du CI *", "G54D10*", "G01X10000Y175580D02*", "X30000Y175580D01*", "G54D11*",
                           "X10000Y175580D03*", "M02*"}));
  EXPECT_EQ(Layer(board, Solder),
            header + CrLf({pads, "%ADD10C,1.6X0.2*%", "G04 tracé du CI *", "G54D10*", "X10000Y175580D03*", "M02*"}));
  EXPECT_EQ(Layer(board, Silkscreen), header + CrLf({"G04 tracé du CI *", "M02*"}))
      << "an empty layer still gets its file";
}

// Each file takes its own layer's figures: the tracks of the copper layers
// go to theirs alone.
TEST(GerberLayer, AperturesAreNumberedByTableThenFirstAppearance) {
  // Added in the reverse of the numbering order, two track widths.
  const std::int32_t s = Silkscreen;
  const std::vector<BoardElement> board = {
      E(Text, s, 2.0f, 50, 50, 0, 0, "A"), E(Circle, s, 1.0f, 60, 60), E(RectPad, s, 0.5f, 70, 70),
      E(OvalPad, s, 1.0f, 80, 80),         E(SquarePad, s, 0.6f, 90, 90),
      E(RoundPad, s, 0.5f, 100, 100),      E(Track, s, 0.4f, 1, 1, 2, 2),
      E(Track, s, 0.25f, 1, 1, 2, 2),      E(Track, s, 0.4f, 3, 3, 4, 4),
      E(Track, Component, 0.8f, 5, 5, 9, 5), E(Track, Solder, 0.5f, 5, 6, 9, 6)};
  const std::string of = "G04 définition des ouvertures pour ";
  EXPECT_EQ(Part(Layer(board, s), false),
            (Strings{of + "les pistes *", "%ADD10C,0.4*%", "%ADD11C,0.25*%", of + "les pastilles rondes *",
                     "%ADD12C,1.X0.2*%", of + "les pastilles carrées *", "%ADD13R,1.2X1.2X0.2*%",
                     of + "les pastilles ovales *", "%ADD14O,4.X2.X0.2*%", "%ADD15O,2.X4.X0.2*%",
                     of + "les pastilles rectangulaires *", "%ADD16R,2.X1.X0.2*%", "%ADD17R,1.X2.X0.2*%",
                     "G04 définition de l'ouverture pour les cercles *", "%ADD18C,0.150*%", of + "le texte *",
                     "%ADD19C,0.333*%"}));
  for (const auto& [layer, width] : {std::pair{Component, "0.8"}, {Solder, "0.5"}})
    EXPECT_EQ(Part(Layer(board, layer), false), (Strings{of + "les pistes *", "%ADD10C," + std::string(width) + "*%"}));
}

TEST(GerberLayer, BodiesHoldTheseLines) {
  // What a case shows, the board, the layer, the body and the problems told.
  const std::tuple<const char*, std::vector<BoardElement>, std::int32_t, Strings, GerberProblems> cases[] = {
      {"aperture selected only when it changes",
       {E(Track, Solder, 0.3f, 0, 1, 0, 5), E(Track, Solder, 0.3f, 1, 1, 1, 5),
        E(Track, Solder, 0.5f, 2, 1, 2, 5), E(Track, Solder, 0.3f, 3, 1, 3, 5)}, Solder,
       {"G54D10*", "G01X0Y194580D02*", "X0Y190580D01*", "G01X1000Y194580D02*", "X1000Y190580D01*",
        "G54D11*", "G01X2000Y194580D02*", "X2000Y190580D01*", "G54D10*", "G01X3000Y194580D02*",
        "X3000Y190580D01*"}, {}},
      {"long pads take their aperture by angle",
       {E(OvalPad, Through, 1, 10, 20), E(OvalPad, Through, 1, 10, 20, 0, 0, "", 90),
        E(OvalPad, Through, 1, 10, 20, 0, 0, "", 270), E(OvalPad, Through, 1, 10, 20, 0, 0, "", 180),
        E(RectPad, Through, 0.5f, 12, 20, 0, 0, "", 90)}, Component,
       {"G54D10*", "X10000Y175580D03*", "G54D11*", "X10000Y175580D03*", "X10000Y175580D03*",
        "G54D10*", "X10000Y175580D03*", "G54D13*", "X12000Y175580D03*"}, {}},
      {"circle is one turn from its rightmost point",
       {E(Circle, Silkscreen, 2.5f, 50, 100)}, Silkscreen,
       {"G54D10*", "G01X52500Y95580D02*", "G75*", "G03X52500Y95580I-2500J0D01*", "G01*"}, {}},
      // "L" of height 1 at (10, 20): the stem, then the foot to the left as
      // seen from the solder side.
      {"solder text is mirrored", {E(Text, Solder, 1.0f, 10, 20, 0, 0, "L")}, Solder,
       {"G54D10*", "G01X10800Y175580D02*", "X10800Y174680D01*", "G01X10800Y174680D02*",
        "X10000Y174680D01*"}, {}},
      {"text at a bad angle writes nothing and is reported once",
       {E(Text, Component, 2.0f, 10, 20, 0, 0, "A B.", 45)}, Component, {"G54D10*"},
       {"Angle incorrect !"}}};
  for (const auto& [name, board, layer, body, told] : cases) {
    SCOPED_TRACE(name);
    GerberProblems problems;
    EXPECT_EQ(Part(ExportGerberLayer(board, layer, problems), true), body);
    EXPECT_EQ(problems, told);
  }
}

// Photoplotted texts must look like the screen's: at a height of 1000 units
// the screen font rounds nothing, so drawn in micrometres it must give the
// very segments of the Gerber file, for every glyph, angle and mirroring.
TEST(GerberText, SameSegmentsAndPenAsTheScreenFontAtEveryAngle) {
  const std::string text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789()=+-*/,;%!:><\" abc 2.54mm µ&";
  for (int angle : {0, 90, 180, 270})
    for (bool mirror : {false, true}) {
      SCOPED_TRACE(std::to_string(angle) + (mirror ? " mirrored" : ""));
      testing_support::RecordingCanvas canvas;
      const common::StrokeFont font(common::FontVariant::Lyt);
      font.DrawText(text, 120000, 80000, 1000, 0, angle, mirror, canvas, 1000.0);
      std::string out;
      float x = 120, y = 80;
      GerberProblems problems;
      GerberText(out, text, x, y, 1.0f, angle, mirror, problems);
      EXPECT_TRUE(problems.empty());
      Strings expected;
      auto point = [](int cx, int cy) {
        return "X" + std::to_string(cx) + "Y" + std::to_string(195580 - cy);
      };
      for (const auto& line : canvas.Lines()) {
        expected.push_back("G01" + point(line.X1, line.Y1) + "D02*");
        expected.push_back(point(line.X2, line.Y2) + "D01*");
      }
      EXPECT_EQ(expected.size(), 2u * (271u + 20u + 27u)) << "every glyph, \"abc\" and \"254MM\"";
      EXPECT_EQ(Lines(out), expected);
    }
}

// A long text makes a large file: it reaches the sink in bounded pieces, and
// a sink that fails stops the writing (the pieces add up to what the
// exported files hold: ExportGerberLayer joins them).
TEST(GerberPieces, LargeFilesGoOutInBoundedPieces) {
  const std::vector<BoardElement> board{E(Text, Component, 2.0f, 0, 0, 0, 0, std::string(20000, 'W'))};
  GerberProblems problems;
  std::size_t largest = 0;
  int pieces = 0;
  EXPECT_TRUE(WriteGerberLayer(board, Component, problems, [&](std::string_view piece) {
    largest = std::max(largest, piece.size());
    return ++pieces > 0;
  }));
  EXPECT_GT(pieces, 10);
  EXPECT_LT(largest, std::size_t{70000});
  pieces = 0;
  EXPECT_FALSE(WriteGerberLayer(board, Component, problems, [&](std::string_view) { return ++pieces <= 2; }));
  EXPECT_EQ(pieces, 3);
}

}  // namespace
