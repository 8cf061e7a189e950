#include "common/core/stroke_font.h"
#include "lyt/print/core/board_print.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using common::DrawMode;
using common::Rgb;

BoardElement E(std::int32_t kind, std::int32_t layer, float size, float x1, float y1,
               float x2 = 0, float y2 = 0, std::string text = {}) {
  return {0, kind, layer, size, x1, y1, x2, y2, false, std::move(text), 0};
}

// Every layer and the drill plan printed in black: black figures, and white
// only for the painted centres of the holes.
TEST(PrintRoutines, BlackPageIsOnlyBlackAndWhite) {
  Board board;
  board.Elements = {E(Track, BoardLayer::Component, 0.3f, 10, 10, 20, 10),
                    E(Track, BoardLayer::Solder, 0.3f, 10, 20, 20, 20),
                    E(Text, BoardLayer::Silkscreen, 2.0f, 10, 30, 0, 0, "AB"),
                    E(Circle, BoardLayer::Silkscreen, 1.0f, 30, 30),
                    E(RectPad, BoardLayer::Through, 0.8f, 40, 40),
                    E(Hole, BoardLayer::Through, 0.4f, 40, 40)};
  PrintChoice choice;
  choice.Black = choice.Component = choice.Solder = choice.Silkscreen = choice.Drill = true;
  testing_support::RecordingCanvas canvas;
  // 600 dpi, scale 1.
  PrintBoardPage(board, choice,
                 common::PrintConversion(common::Viewport(common::LytViewport), 25.4 / 600,
                                         25.4 / 600, 1.0f),
                 common::StrokeFont(common::FontVariant::Lyt), canvas);
  ASSERT_GT(canvas.Drawing.size(), 20u);
  for (const auto& d : canvas.Drawing) {
    const bool whiteCentre = d.Colour == Rgb(255, 255, 255) && d.Mode == DrawMode::PaintWhite;
    EXPECT_TRUE(whiteCentre || (d.Colour == 0 && d.Mode != DrawMode::PaintWhite));
  }
}

}  // namespace
