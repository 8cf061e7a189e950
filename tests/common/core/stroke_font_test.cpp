// Texts: the stroke font that draws them and the entry that places them.
#include "common/core/stroke_font.h"
#include "common/core/text_entry.h"

#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using common::FontVariant;
using common::Program;
using common::StrokeFont;
using common::TextDialogAnswer;
using Line = std::array<int, 4>;  // x1, y1, x2, y2; as a box: left, top, right, bottom
using Lines = std::vector<Line>;
using Pen = std::pair<double, double>;

class StrokeFontTest : public ::testing::Test {
 protected:
  // From (100, 50); at height 10 every point lands on a whole unit.
  Lines Draw(const StrokeFont& font, const std::string& text, int angle = 0, bool mirror = false,
             int height = 10, double unitsPerMm = 12.0) {
    canvas.Drawing.clear();
    font.DrawText(text, 100, 50, height, kColour, angle, mirror, canvas, unitsPerMm);
    Lines lines;
    for (const auto& d : canvas.Lines()) lines.push_back({d.X1, d.Y1, d.X2, d.Y2});
    return lines;
  }
  Pen PenAt() const { return {canvas.CurrentX(), canvas.CurrentY()}; }

  static constexpr common::Colour kColour = common::Rgb(10, 200, 30);
  testing_support::RecordingCanvas canvas;
  StrokeFont lyt{FontVariant::Lyt}, skt{FontVariant::Skt};
};

// The angle, the reading direction, "A" from (100, 50) and the box a
// two-character text covers from there.
using AngleCase = std::tuple<int, int, int, Lines, Line>;

class StrokeFontAngleTest : public StrokeFontTest, public ::testing::WithParamInterface<AngleCase> {};

// The letter in copy mode and the text's colour whatever the canvas's mode
// before; one cell per glyph or space; the schematic font draws the same
// glyphs 0.4 mm lower; a mirrored text is the mirror image across the
// reading direction, in the same cells. Unsupported characters take no room,
// lower case is drawn as capitals; a mirrored text is reversed by character,
// not by byte: µ survives.
TEST_P(StrokeFontAngleTest, CellsMirrorAndSchematicOffsetFollowTheAngle) {
  const auto& [angle, alongX, alongY, letterA, twoCells] = GetParam();
  canvas.SetDrawMode(common::DrawMode::NotXorPen);
  EXPECT_EQ(Draw(lyt, "A", angle), letterA);
  for (const auto& d : canvas.Lines())
    EXPECT_EQ(std::make_pair(d.Colour, d.Mode), std::make_pair(kColour, common::DrawMode::CopyPen));
  auto shifted = [](Lines lines, int dx, int dy) {
    for (Line& l : lines) l = {l[0] + dx, l[1] + dy, l[2] + dx, l[3] + dy};
    return lines;
  };
  Lines twoAs = letterA;
  for (const Line& l : shifted(letterA, 22 * alongX, 22 * alongY)) twoAs.push_back(l);
  EXPECT_EQ(Draw(lyt, "A A", angle), twoAs);
  EXPECT_EQ(PenAt(), Pen(100.0 + 33 * alongX, 50.0 + 33 * alongY));
  const std::string all = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789()=+-*/,;%!:><\"";  // 5 units lower
  EXPECT_EQ(Draw(skt, all, angle), shifted(Draw(lyt, all, angle), -5 * alongY, 5 * alongX));
  EXPECT_GT(Draw(skt, "\u00B5&", angle).size(), 2u) << "the schematic font's own glyphs";
  const int axis = alongX != 0 ? 0 : 1;  // reflect across the reading direction
  Lines reflected = Draw(lyt, "F7", angle, false);
  for (Line& l : reflected)
    for (int k : {axis, axis + 2}) l[k] = twoCells[axis] + twoCells[axis + 2] - l[k];
  Lines mirrored = Draw(lyt, "F7", angle, true);
  std::sort(reflected.begin(), reflected.end());
  std::sort(mirrored.begin(), mirrored.end());
  EXPECT_EQ(mirrored, reflected);
  const std::tuple<const StrokeFont*, std::string, std::string> alike[] = {
      {&lyt, "2.54mm R\u00E9\tF\u00B5&xyz", "254MM RFXYZ"}, {&skt, "4.7\u00B5f r&d", "47\u00B5F R&D"}};
  for (const auto& [font, text, drawnAs] : alike) {
    const Lines expected = Draw(*font, drawnAs, angle);
    EXPECT_EQ(Draw(*font, text, angle), expected) << text;
    EXPECT_EQ(Draw(*font, text, angle, true).size(), expected.size()) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(StrokeFontAngles, StrokeFontAngleTest, ::testing::Values(
    AngleCase{0, 1, 0, {{100, 59, 104, 50}, {104, 50, 108, 59}, {101, 57, 107, 57}}, {100, 50, 119, 59}},
    AngleCase{90, 0, -1, {{109, 47, 100, 43}, {100, 43, 109, 39}, {107, 46, 107, 40}}, {100, 28, 109, 47}},
    AngleCase{180, -1, 0, {{97, 41, 93, 50}, {93, 50, 89, 41}, {96, 43, 90, 43}}, {78, 41, 97, 50}},
    AngleCase{270, 0, 1, {{91, 50, 100, 54}, {100, 54, 91, 58}, {93, 51, 93, 57}}, {91, 50, 100, 69}}),
    [](const auto& info) { return "Angle" + std::to_string(std::get<0>(info.param)); });

// An empty text only moves the pen to its start: schematic texts 0.4 mm
// lower, at least one unit, halves to even; the canvas's mode stays.
TEST_F(StrokeFontTest, EmptyTextsOnlyMoveThePenToTheirStart) {
  canvas.SetDrawMode(common::DrawMode::NotXorPen);
  const std::tuple<const StrokeFont*, double, int> starts[] = {
      {&lyt, 1.0, 0}, {&skt, 1.0, 1}, {&skt, 0.5, 1}, {&skt, 3.75, 2}, {&skt, 6.25, 2}};
  for (const auto& [font, unitsPerMm, d] : starts) {
    EXPECT_TRUE(Draw(*font, "", 0, false, 10, unitsPerMm).empty());
    EXPECT_EQ(PenAt(), Pen(100, 50 + d)) << unitsPerMm;
  }
  EXPECT_EQ(canvas.Mode, common::DrawMode::NotXorPen);
}

// A bad angle draws nothing and is kept once, however many characters meet
// it, until taken: a long text must not raise one message per character.
TEST_F(StrokeFontTest, BadAngleIsKeptOnceUntilTaken) {
  const std::string glyphAngle = "Angle incorrect !";
  for (int angle : {45, -90, 360}) {
    SCOPED_TRACE(angle);
    EXPECT_TRUE(Draw(lyt, "A B.", angle).empty());
    EXPECT_TRUE(Draw(lyt, "AAAA", angle).empty());
    EXPECT_EQ(PenAt(), Pen(100, 50));
    EXPECT_EQ(lyt.TakeProblems(), std::vector<std::string>{glyphAngle});
    EXPECT_TRUE(lyt.TakeProblems().empty());
    EXPECT_TRUE(Draw(skt, "AB", angle).empty());
    EXPECT_EQ(skt.TakeProblems(), (std::vector<std::string>{"angle incorrect !", glyphAngle}));
  }
}

// No numbering is -1, which numbers nothing (how a start is read, a typed
// number rounded halves to even, is seen in the board's text tool). An index
// the list does not have falls back on the program's default height. The
// length goes through the pixels of the zoom: at the board's first zoom 2 mm
// is 38 pixels, two characters (not bytes) of 1.1 heights make 84 (83.6,
// rounded). The far corner follows the angle, a schematic text standing
// 0.4 mm taller; other angles keep the old corner.
TEST(TextEntry, NumberingHeightsLengthAndFarCorner) {
  EXPECT_EQ(std::make_pair(common::IncrementValueOf(TextDialogAnswer{true, "R", 1, false, "7"}),
                           common::NumberedText("R", 0)), std::make_pair(-1, std::string("R0")));
  EXPECT_EQ(std::make_pair(common::TextHeightAt(Program::Lyt, -1), common::TextHeightAt(Program::Skt, 10)),
            std::make_pair(2.0f, 1.5f));
  common::Viewport view(common::LytViewport);
  view.Scale = 24 / 1.27;
  const float length = view.PixelsToMm(84);
  const TextDialogAnswer typed{true, "\u00B5B", 1, false, ""};
  const std::tuple<std::int32_t, Program, common::MmPoint> cases[] = {
      {0, Program::Lyt, {10 + length, 22}},      {90, Program::Skt, {12.4f, 20 - length}},
      {180, Program::Skt, {10 - length, 17.6f}}, {270, Program::Lyt, {8, 20 + length}},
      {45, Program::Skt, {1, 2}}};
  for (const auto& [angle, program, corner] : cases) {
    const common::TextExtent extent =
        common::ComputeTextEntry(typed, -1, {10, 20}, {1, 2}, angle, view, program);
    EXPECT_EQ(std::make_pair(extent.Text, extent.Height), std::make_pair(typed.Text, 2.0f));
    EXPECT_FLOAT_EQ(extent.Second.X, corner.X) << angle;
    EXPECT_FLOAT_EQ(extent.Second.Y, corner.Y) << angle;
  }
}

}  // namespace
