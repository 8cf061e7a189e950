#include "common/core/stroke_font.h"
#include "lyt/print/core/board_print.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using common::DrawMode;

// Every layer and the drill plan printed in black, at 600 dpi and scale 1:
// black figures, and white only for the painted centres of the holes.
TEST(PrintRoutines, BlackPageIsOnlyBlackAndWhite) {
  Board board;
  board.Elements = {{0, Track, BoardLayer::Component, 0.3f, 10, 10, 20, 10, false, "", 0},
                    {0, Track, BoardLayer::Solder, 0.3f, 10, 20, 20, 20, false, "", 0},
                    {0, Text, BoardLayer::Silkscreen, 2.0f, 10, 30, 0, 0, false, "AB", 0},
                    {0, Circle, BoardLayer::Silkscreen, 1.0f, 30, 30, 0, 0, false, "", 0},
                    {0, RectPad, BoardLayer::Through, 0.8f, 40, 40, 0, 0, false, "", 0},
                    {0, Hole, BoardLayer::Through, 0.4f, 40, 40, 0, 0, false, "", 0}};
  PrintChoice choice;
  choice.Black = choice.Component = choice.Solder = choice.Silkscreen = choice.Drill = true;
  testing_support::RecordingCanvas canvas;
  const common::PrintConversion print(common::Viewport(common::LytViewport), 25.4 / 600, 25.4 / 600, 1.0f);
  PrintBoardPage(board, choice, print, common::StrokeFont(common::FontVariant::Lyt), canvas);
  ASSERT_GT(canvas.Drawing.size(), 20u);
  for (const auto& d : canvas.Drawing) {
    const bool whiteCentre = d.Colour == common::Rgb(255, 255, 255) && d.Mode == DrawMode::PaintWhite;
    EXPECT_TRUE(whiteCentre || (d.Colour == 0 && d.Mode != DrawMode::PaintWhite));
  }
}

}  // namespace
