#include "common/core/stroke_font.h"
#include "support/board_test_support.h"
#include "lyt/print/core/board_print.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using board_tests::Element;
using common::Colour;
using common::DrawMode;
using common::Rgb;

constexpr double k600Dpi = 25.4 / 600;

TEST(PrintConversion, ScreenPixelsAtZoom16ThenPrinterDotsTimesTheScale) {
  common::Viewport view(common::LytViewport);
  view.Zoom = 96;  // the window's zoom plays no part, and is left alone
  view.Scale = view.ScaleForZoom();
  const PrintConversion print(view, k600Dpi, 25.4 / 300, 1.0f);
  EXPECT_EQ(view.Zoom, 96);
  EXPECT_EQ(print.X(25.4f), 600);  // an inch is an inch
  EXPECT_EQ(print.Y(25.4f), 300);  // oblong printer dots: y has its own factor
  EXPECT_EQ(print.X(10.0f), 236);  // 126 screen pixels (not 125.98) times 1.875
  EXPECT_EQ(print.Size(0.01f), 1);  // under half a screen pixel, still a dot
  EXPECT_EQ(PrintConversion(view, k600Dpi, k600Dpi, 2.0f).X(25.4f), 1200);
  EXPECT_EQ(PrintConversion(view, 25.4 / 1200, k600Dpi, 1.0f).X(25.4f), 1200);
  // Exact binary numbers, 2 dots per screen pixel, scale 1/4: halves to even.
  view.GridStepX = 1.25f;
  const PrintConversion exact(view, 0.0390625, 0.0390625, 0.25f);
  EXPECT_EQ(exact.X(0.234375f), 2);  // 3 screen pixels: 1.5
  EXPECT_EQ(exact.X(0.390625f), 2);  // 5 screen pixels: 2.5
}

class PrintRoutines : public ::testing::Test {
 protected:
  // 600 dpi, scale 1: 25.4 mm is 600 dots.
  PrintConversion At600() const { return PrintConversion(view, k600Dpi, k600Dpi, 1.0f); }
  // The colours of the page in drawing order, repeats merged.
  std::vector<Colour> Inks() const {
    std::vector<Colour> inks;
    for (const auto& d : canvas.Drawing)
      if (inks.empty() || inks.back() != d.Colour) inks.push_back(d.Colour);
    return inks;
  }

  Board board;
  common::Viewport view{common::LytViewport};
  testing_support::ScriptedUi ui;
  common::StrokeFont font{common::FontVariant::Lyt};
  testing_support::RecordingCanvas canvas;
};

TEST_F(PrintRoutines, HoleIsRingThenWhiteCentreThenCross) {
  board.Elements = {Element(0, Hole, BoardLayer::Through, 0.9525f, 25.4f, 50.8f)};  // r = 22
  PrintTrous(board, At600(), false, canvas);
  ASSERT_EQ(canvas.Drawing.size(), 4u);
  const auto &ring = canvas.Drawing[0], &centre = canvas.Drawing[1], &across = canvas.Drawing[2],
             &down = canvas.Drawing[3];
  EXPECT_EQ(std::vector<int>({ring.X1, ring.Y1, ring.X2, ring.Width}),
            std::vector<int>({600, 1200, 23, 1}));
  EXPECT_EQ(centre.What, testing_support::RecordingCanvas::Shape::Circle);
  EXPECT_EQ(centre.X2, 21);
  EXPECT_EQ(centre.Mode, DrawMode::PaintWhite);
  // Arms of 1.5 r, over the white centre.
  EXPECT_EQ(std::vector<int>({across.X1, across.X2, down.Y1, down.Y2}),
            std::vector<int>({567, 633, 1167, 1233}));
  EXPECT_EQ(Inks(), (std::vector<Colour>{Rgb(0, 0, 255), Rgb(255, 255, 255), Rgb(0, 0, 255)}));
}

TEST_F(PrintRoutines, BlackPageIsOnlyBlackAndWhite) {
  board.Elements = {Element(0, Track, BoardLayer::Component, 0.3f, 10, 10, 20, 10),
                    Element(0, Track, BoardLayer::Solder, 0.3f, 10, 20, 20, 20),
                    Element(0, Text, BoardLayer::Silkscreen, 2.0f, 10, 30, 0, 0, "AB"),
                    Element(0, Circle, BoardLayer::Silkscreen, 1.0f, 30, 30),
                    Element(0, RectPad, BoardLayer::Through, 0.8f, 40, 40),
                    Element(0, Hole, BoardLayer::Through, 0.4f, 40, 40)};
  lyt::PrintChoice choice;
  choice.Black = choice.Component = choice.Solder = choice.Silkscreen = choice.Drill = true;
  PrintBoardPage(board, choice, At600(), font, canvas);
  ASSERT_GT(canvas.Drawing.size(), 20u);
  for (const auto& d : canvas.Drawing) {
    const bool whiteCentre = d.Colour == Rgb(255, 255, 255) && d.Mode == DrawMode::PaintWhite;
    EXPECT_TRUE(whiteCentre || (d.Colour == 0 && d.Mode != DrawMode::PaintWhite));
  }
}

}  // namespace
