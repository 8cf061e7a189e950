#include "common/core/stroke_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/recording_canvas.h"

namespace {

using common::FontVariant;
using common::StrokeFont;
using Line = std::array<int, 4>;  // x1, y1, x2, y2; as a box: left, top, right, bottom
using Pen = std::pair<double, double>;

Line Bounds(const std::vector<Line>& lines) {
  Line box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const Line& l : lines)
    box = {std::min({box[0], l[0], l[2]}), std::min({box[1], l[1], l[3]}),
           std::max({box[2], l[0], l[2]}), std::max({box[3], l[1], l[3]})};
  return box;
}

Line Shifted(const Line& l, int dx, int dy) { return {l[0] + dx, l[1] + dy, l[2] + dx, l[3] + dy}; }

class StrokeFontTest : public ::testing::Test {
 protected:
  // From (100, 50); at height 10 every point lands on a whole unit.
  std::vector<Line> Draw(const StrokeFont& font, const std::string& text, int angle = 0,
                         bool mirror = false, int height = 10, double unitsPerMm = 12.0) {
    canvas.Drawing.clear();
    font.DrawText(text, 100, 50, height, kColour, angle, mirror, canvas, unitsPerMm);
    std::vector<Line> lines;
    for (const auto& d : canvas.Lines()) lines.push_back({d.X1, d.Y1, d.X2, d.Y2});
    return lines;
  }
  Pen PenAt() const { return {canvas.CurrentX(), canvas.CurrentY()}; }

  static constexpr common::Colour kColour = common::Rgb(10, 200, 30);
  testing_support::RecordingCanvas canvas;
  StrokeFont lyt{FontVariant::Lyt};
  StrokeFont skt{FontVariant::Skt};
};

// Both fonts draw the same glyphs, inside the cell and never as a dot; only
// the schematic font has the micro sign and the ampersand.
TEST_F(StrokeFontTest, GlyphsSharedByBothFonts) {
  auto same = [](const common::Stroke& a, const common::Stroke& b) {
    return a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2;
  };
  const std::u32string characters = U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789()=+-*/,;%!:><\"\u00B5&";
  for (char32_t character : characters) {
    SCOPED_TRACE(static_cast<int>(character));
    const common::Glyph* inSkt = skt.FindGlyph(character);
    const common::Glyph* inLyt = lyt.FindGlyph(character);
    ASSERT_NE(inSkt, nullptr);
    for (const auto& s : inSkt->Strokes)
      EXPECT_TRUE(std::max(s.X1, s.X2) <= 8 && std::max(s.Y1, s.Y2) <= 9 &&
                  std::min({s.X1, s.X2, s.Y1, s.Y2}) >= 0 && (s.X1 != s.X2 || s.Y1 != s.Y2));
    if (character == U'\u00B5' || character == U'&') {
      EXPECT_EQ(inLyt, nullptr);
    } else {
      ASSERT_NE(inLyt, nullptr);
      EXPECT_TRUE(std::equal(inLyt->Strokes.begin(), inLyt->Strokes.end(), inSkt->Strokes.begin(),
                             inSkt->Strokes.end(), same));
    }
  }
}

struct AngleCase {
  int Angle;
  int AlongX, AlongY;         // reading direction
  std::vector<Line> LetterA;  // "A" from (100, 50)
  Line TwoCells;              // what a two-character text covers from there
};

void PrintTo(const AngleCase& c, std::ostream* os) { *os << "angle " << c.Angle; }

class StrokeFontAngleTest : public StrokeFontTest, public ::testing::WithParamInterface<AngleCase> {};

// The letter in copy mode and the text's colour whatever the canvas's mode
// before; one cell per glyph or space; schematic texts 0.4 mm lower.
TEST_P(StrokeFontAngleTest, LetterCellsAndSchematicOffsetFollowTheAngle) {
  const AngleCase& p = GetParam();
  canvas.SetDrawMode(common::DrawMode::NotXorPen);
  EXPECT_EQ(Draw(lyt, "A", p.Angle), p.LetterA);
  for (const auto& d : canvas.Lines())
    EXPECT_EQ(std::make_pair(d.Colour, d.Mode), std::make_pair(kColour, common::DrawMode::CopyPen));
  const auto lines = Draw(lyt, "A A", p.Angle);
  ASSERT_EQ(lines.size(), 6u);
  const auto lower = Draw(skt, "A", p.Angle, false, 10, 12.0);  // 5 units at 12 units per mm
  ASSERT_EQ(lower.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(lines[i + 3], Shifted(p.LetterA[i], 22 * p.AlongX, 22 * p.AlongY));
    EXPECT_EQ(lower[i], Shifted(p.LetterA[i], -p.AlongY * 5, p.AlongX * 5));
  }
  Draw(lyt, "A A", p.Angle);
  EXPECT_EQ(PenAt(), Pen(100.0 + 33 * p.AlongX, 50.0 + 33 * p.AlongY));
}

TEST_P(StrokeFontAngleTest, MirroredTextIsTheMirrorImageInTheSameCells) {
  const AngleCase& p = GetParam();
  EXPECT_EQ(Bounds(Draw(lyt, "HM", p.Angle, false)), p.TwoCells);
  EXPECT_EQ(Bounds(Draw(lyt, "HM", p.Angle, true)), p.TwoCells);
  const int axis = p.AlongX != 0 ? 0 : 1;  // reflect across the reading direction
  std::vector<Line> reflected = Draw(lyt, "F7", p.Angle, false);
  for (Line& l : reflected) {
    l[axis] = p.TwoCells[axis] + p.TwoCells[axis + 2] - l[axis];
    l[axis + 2] = p.TwoCells[axis] + p.TwoCells[axis + 2] - l[axis + 2];
  }
  std::vector<Line> mirrored = Draw(lyt, "F7", p.Angle, true);
  std::sort(reflected.begin(), reflected.end());
  std::sort(mirrored.begin(), mirrored.end());
  EXPECT_EQ(mirrored, reflected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(StrokeFontAngles, StrokeFontAngleTest, ::testing::Values(
    AngleCase{0, 1, 0, {{100, 59, 104, 50}, {104, 50, 108, 59}, {101, 57, 107, 57}}, {100, 50, 119, 59}},
    AngleCase{90, 0, -1, {{109, 47, 100, 43}, {100, 43, 109, 39}, {107, 46, 107, 40}}, {100, 28, 109, 47}},
    AngleCase{180, -1, 0, {{97, 41, 93, 50}, {93, 50, 89, 41}, {96, 43, 90, 43}}, {78, 41, 97, 50}},
    AngleCase{270, 0, 1, {{91, 50, 100, 54}, {100, 54, 91, 58}, {93, 51, 93, 57}}, {91, 50, 100, 69}}),
    [](const auto& info) { return "Angle" + std::to_string(info.param.Angle); });
// clang-format on

TEST_F(StrokeFontTest, StrokeWidthFollowsHeightAndSlant) {
  // Height, width of straight strokes, width of oblique ones.
  const std::array<int, 3> cases[] = {{1, 1, 1},   {8, 1, 1},   {9, 2, 2},
                                      {18, 3, 2},  {39, 6, 4},  {40, 7, 7}};
  for (const auto& [height, straight, oblique] : cases) {
    SCOPED_TRACE(height);
    Draw(lyt, "A", 0, false, height);  // two slanted legs, one bar
    const auto drawn = canvas.Lines();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].Width, oblique);
    EXPECT_EQ(drawn[1].Width, oblique);
    EXPECT_EQ(drawn[2].Width, straight);
  }
}

TEST_F(StrokeFontTest, TextsThatDrawAlike) {
  const std::tuple<const StrokeFont*, std::string, std::string> cases[] = {
      {&lyt, "2.54MM", "254MM"},  // unsupported characters take no room
      {&lyt, "abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {&lyt, "R\u00E9\tF\u00B5&", "RF"},
      {&skt, "4.7\u00B5f r&d", "47\u00B5F R&D"}};
  for (const auto& [font, text, drawnAs] : cases) {
    for (int angle : {0, 90, 180, 270}) {
      for (bool mirror : {false, true}) {
        SCOPED_TRACE(text + " " + std::to_string(angle) + (mirror ? " mirrored" : ""));
        const auto expected = Draw(*font, drawnAs, angle, mirror);
        const Pen expectedPen = PenAt();
        EXPECT_EQ(Draw(*font, text, angle, mirror), expected);
        EXPECT_EQ(PenAt(), expectedPen);
      }
    }
  }
}

// A mirrored text is reversed by character, not by byte: µ survives.
TEST_F(StrokeFontTest, MirroredTextKeepsMultiByteCharacters) {
  EXPECT_EQ(Draw(skt, "\u00B5A", 0, true).size(), Draw(skt, "\u00B5A").size());
}

TEST_F(StrokeFontTest, HalvesRoundToEven) {
  canvas.SetCurrentPoint(101, 0);
  lyt.DrawGlyph(*lyt.FindGlyph(U'I'), 5, 0, false, canvas);
  std::vector<Line> lines;
  for (const auto& d : canvas.Lines()) lines.push_back({d.X1, d.Y1, d.X2, d.Y2});
  EXPECT_EQ(lines, (std::vector<Line>{{103, 0, 103, 4}, {102, 0, 104, 0}, {102, 4, 104, 4}}));
  EXPECT_EQ(PenAt(), Pen(106.5, 0));
  lyt.AdvanceSpace(5, 0, canvas);  // from 106
  EXPECT_EQ(PenAt(), Pen(111.5, 0));
  lyt.AdvanceSpace(5, 90, canvas);  // 0 - 5.5 snaps to -6
  EXPECT_EQ(PenAt(), Pen(111.5, -6));
}

TEST_F(StrokeFontTest, EmptyTextOnlyMovesThePen) {
  canvas.SetDrawMode(common::DrawMode::NotXorPen);
  EXPECT_TRUE(Draw(lyt, "").empty());
  EXPECT_EQ(PenAt(), Pen(100, 50));
  const std::pair<double, int> offsets[] = {{12.0, 5}, {1.0, 1}, {0.5, 1}, {3.75, 2}, {6.25, 2}};
  for (const auto& [unitsPerMm, d] : offsets) {
    EXPECT_TRUE(Draw(skt, "", 0, false, 10, unitsPerMm).empty());
    EXPECT_EQ(PenAt(), Pen(100, 50 + d)) << unitsPerMm;
  }
  EXPECT_EQ(canvas.Mode, common::DrawMode::NotXorPen);
  EXPECT_TRUE(lyt.TakeProblems().empty());
  EXPECT_TRUE(skt.TakeProblems().empty());
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
    canvas.SetCurrentPoint(7, 8);
    EXPECT_TRUE(Draw(skt, "AB", angle).empty());
    EXPECT_EQ(PenAt(), Pen(7, 8));
    EXPECT_EQ(skt.TakeProblems(), (std::vector<std::string>{"angle incorrect !", glyphAngle}));
  }
}

TEST(StrokeFontTextLength, CountsCharactersNotBytes) {
  const std::tuple<std::string, int, int> cases[] = {
      {"A.B", 10, 33}, {"", 10, 0},    {"\u00B5&", 10, 22}, {"\u00E9 \u00E9", 10, 33},
      {"A", 5, 6},     {"AAA", 5, 16}, {"A", 55, 60}};  // 5.5, 16.5, 60.5: halves to even
  for (const auto& [text, height, length] : cases)
    EXPECT_EQ(StrokeFont::TextLength(text, height), length) << text << " " << height;
}

}  // namespace
