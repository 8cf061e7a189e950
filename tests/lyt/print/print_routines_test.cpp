#include "common/core/stroke_font.h"
#include "lyt/print/core/board_print.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using common::Colour;
using common::DrawMode;
using common::Rgb;
using Shape = testing_support::RecordingCanvas::Shape;

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

// A ring a dot wider than the hole, its centre painted white, then arms of
// 1.5 radii over the centre.
TEST_F(PrintRoutines, HoleIsRingThenWhiteCentreThenCross) {
  board.Elements = {E(Hole, BoardLayer::Through, 0.9525f, 25.4f, 50.8f)};  // r = 22
  PrintTrous(board, at600, false, canvas);
  std::vector<std::tuple<Shape, int, int, int, int, int, Colour, bool>> drawn;
  for (const auto& d : canvas.Drawing)
    drawn.emplace_back(d.What, d.X1, d.Y1, d.X2, d.Y2, d.Width, d.Colour,
                       d.Mode == DrawMode::PaintWhite);
  const Colour blue = Rgb(0, 0, 255), white = Rgb(255, 255, 255);
  EXPECT_EQ(drawn, (decltype(drawn){{Shape::Circle, 600, 1200, 23, 0, 1, blue, false},
                                     {Shape::Circle, 600, 1200, 21, 0, 1, white, true},
                                     {Shape::Line, 567, 1200, 633, 1200, 1, blue, false},
                                     {Shape::Line, 600, 1167, 600, 1233, 1, blue, false}}));
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
