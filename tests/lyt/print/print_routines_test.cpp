#include "common/core/stroke_font.h"
#include "lyt/print/core/board_print.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using common::Colour;
using common::DrawMode;
using common::Rgb;

BoardElement E(std::int32_t kind, std::int32_t layer, float size, float x1, float y1,
               float x2 = 0, float y2 = 0, std::string text = {}) {
  return {0, kind, layer, size, x1, y1, x2, y2, false, std::move(text), 0};
}

class PrintRoutines : public ::testing::Test {
 protected:
  // 600 dpi, scale 1: 25.4 mm is 600 dots.
  const common::PrintConversion at600{common::Viewport(common::LytViewport), 25.4 / 600,
                                      25.4 / 600, 1.0f};
  Board board;
  testing_support::RecordingCanvas canvas;
};

TEST_F(PrintRoutines, HoleIsRingThenWhiteCentreThenCross) {
  board.Elements = {E(Hole, BoardLayer::Through, 0.9525f, 25.4f, 50.8f)};  // r = 22
  PrintTrous(board, at600, false, canvas);
  ASSERT_EQ(canvas.Drawing.size(), 4u);
  const auto &ring = canvas.Drawing[0], &centre = canvas.Drawing[1], &across = canvas.Drawing[2],
             &down = canvas.Drawing[3];
  EXPECT_EQ(std::vector<int>({ring.X1, ring.Y1, ring.X2, ring.Width}),
            std::vector<int>({600, 1200, 23, 1}));
  EXPECT_EQ(ring.Colour, Rgb(0, 0, 255));
  EXPECT_EQ(centre.What, testing_support::RecordingCanvas::Shape::Circle);
  EXPECT_EQ(centre.X2, 21);
  EXPECT_EQ(centre.Mode, DrawMode::PaintWhite);
  EXPECT_EQ(centre.Colour, Rgb(255, 255, 255));
  // Arms of 1.5 r, over the white centre.
  EXPECT_EQ(std::vector<int>({across.X1, across.X2, down.Y1, down.Y2}),
            std::vector<int>({567, 633, 1167, 1233}));
  EXPECT_EQ(across.Colour, Rgb(0, 0, 255));
  EXPECT_EQ(down.Colour, Rgb(0, 0, 255));
}

TEST_F(PrintRoutines, BlackPageIsOnlyBlackAndWhite) {
  board.Elements = {E(Track, BoardLayer::Component, 0.3f, 10, 10, 20, 10),
                    E(Track, BoardLayer::Solder, 0.3f, 10, 20, 20, 20),
                    E(Text, BoardLayer::Silkscreen, 2.0f, 10, 30, 0, 0, "AB"),
                    E(Circle, BoardLayer::Silkscreen, 1.0f, 30, 30),
                    E(RectPad, BoardLayer::Through, 0.8f, 40, 40),
                    E(Hole, BoardLayer::Through, 0.4f, 40, 40)};
  PrintChoice choice;
  choice.Black = choice.Component = choice.Solder = choice.Silkscreen = choice.Drill = true;
  PrintBoardPage(board, choice, at600, common::StrokeFont(common::FontVariant::Lyt), canvas);
  ASSERT_GT(canvas.Drawing.size(), 20u);
  for (const auto& d : canvas.Drawing) {
    const bool whiteCentre = d.Colour == Rgb(255, 255, 255) && d.Mode == DrawMode::PaintWhite;
    EXPECT_TRUE(whiteCentre || (d.Colour == 0 && d.Mode != DrawMode::PaintWhite));
  }
}

}  // namespace
