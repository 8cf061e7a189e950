#include "common/ui/qt_canvas.h"
#include "lyt/core/board_renderer.h"
#include "lyt/core/element_drawers.h"
#include "support/board_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using board_tests::Element;
using board_tests::NewItem;
using common::Colour;

const QColor kBackground(0, 0, 0);
const QColor kHighlight(0, 0, 128);

QRgb Rgb32(Colour colour) { return common::QtCanvas::ToQColor(colour).rgb(); }

class BoardRenderPixelTest : public ::testing::Test {
 protected:
  BoardRenderPixelTest() {
    viewport.ShowGrid = false;
    board.Colours.PadColour = common::Rgb(255, 128, 0);  // apart from both copper colours
    board.Colours.HoleFillColour = common::Rgb(1, 2, 3);
  }

  int Px(float mm) const { return viewport.MmToPixels(mm); }
  QRgb At(float xMm, float yMm) const { return image.pixel(Px(xMm), Px(yMm)); }
  void Draw(const std::function<void(common::Canvas&)>& draw) {
    common::QtCanvas canvas(image, QPoint(0, 0), kBackground, kHighlight);
    draw(canvas);
  }
  void Redraw() { Draw([&](common::Canvas& c) { RedrawBoard(board, layers, {0, 0, 256, 256}, viewport, font, c); }); }

  Board board;
  common::Viewport viewport{common::LytViewport};
  LayerView layers;
  common::StrokeFont font{common::FontVariant::Lyt};
  QImage image{256, 256, QImage::Format_RGB32};
  const BoardColours& colours = board.Colours;
};

// Which copper layer lies on top is seen in the renderer's pass order
// (lyt/core); here, the pixels of each kind where they belong.
TEST_F(BoardRenderPixelTest, PadsCoverCopperSilkscreenCoversPadsAndHolesCoverAll) {
  board.Elements = {Element(0, Hole, BoardLayer::Through, 0.4f, 8, 8),
                    Element(0, Track, BoardLayer::Silkscreen, 0.2f, 6, 8.8f, 10, 8.8f),
                    Element(0, RoundPad, BoardLayer::Through, 1.2f, 8, 8),
                    Element(0, Track, BoardLayer::Component, 0.5f, 4, 7.5f, 12, 7.5f)};
  Redraw();
  EXPECT_EQ(std::make_pair(At(4.5f, 7.5f), At(2, 2)),
            std::make_pair(Rgb32(colours.ComponentColour), kBackground.rgb()));
  EXPECT_EQ(At(7.2f, 7.5f), Rgb32(colours.PadColour)) << "pad over the track";
  EXPECT_EQ(At(8, 8.8f), Rgb32(colours.SilkscreenColour)) << "silkscreen over the pad";
  EXPECT_EQ(At(8, 8), Rgb32(colours.HoleColour)) << "hole cross";
  EXPECT_EQ(At(8.2f, 7.8f), Rgb32(colours.HoleFillColour)) << "inside the drill";
  // Zoomed far out, a 0.1 mm track and 0.15 mm of circle line are under half a pixel.
  viewport.Scale = 2.0;
  board.Elements = {Element(0, Track, BoardLayer::Solder, 0.1f, 10, 20, 60, 20),
                    Element(0, Circle, BoardLayer::Silkscreen, 20.0f, 60, 60)};
  Redraw();
  EXPECT_EQ(At(30, 20), Rgb32(colours.SolderColour));
  EXPECT_EQ(At(60 + 20, 60), Rgb32(colours.SilkscreenColour));
  EXPECT_EQ(At(60, 60 - 20), Rgb32(colours.SilkscreenColour));
}

// A preview drawn on a busy board (tracks of both copper layers, a pad with
// its hole, a silkscreen text and the grid) shows, and drawn again restores
// every pixel: each kind in hand, then the selection band.
TEST_F(BoardRenderPixelTest, PreviewDrawnTwiceRestoresTheBoardBitForBit) {
  viewport.ShowGrid = true;
  board.Elements = {Element(0, Track, BoardLayer::Component, 1.0f, 1, 6, 12, 6),
                    Element(0, Track, BoardLayer::Solder, 0.6f, 6, 1, 6, 12),
                    Element(0, RoundPad, BoardLayer::Through, 1.0f, 7, 7),
                    Element(0, Hole, BoardLayer::Through, 0.4f, 7, 7),
                    Element(0, Text, BoardLayer::Silkscreen, 1.5f, 2, 8, 0, 0, "R12")};
  Redraw();
  const QImage before = image;
  auto expectRestored = [&](const std::function<void(common::Canvas&)>& draw) {
    for (int time = 0; time < 2; ++time) {
      Draw(draw);
      EXPECT_EQ(image == before, time == 1) << "shows the first time, restores the second";
    }
  };
  auto pad = [](std::int32_t kind, std::int32_t angle) {
    PendingItem item = NewItem(kind, BoardLayer::Through, 0.8f, 6, 6);
    item.Angle = angle;
    return item;
  };
  for (const PendingItem& item :
       {NewItem(Track, BoardLayer::Solder, 0.8f, 2, 3, 10, 9), pad(RoundPad, 0), pad(SquarePad, 0),
        pad(OvalPad, 0), pad(OvalPad, 90), pad(RectPad, 0), pad(RectPad, 90),
        NewItem(Hole, BoardLayer::Through, 0.5f, 6.5f, 6.5f),
        NewItem(Circle, BoardLayer::Silkscreen, 3.0f, 6, 6),
        NewItem(Text, BoardLayer::Solder, 1.5f, 1.5f, 5, 9, 9.5f)}) {
    SCOPED_TRACE("kind " + std::to_string(item.Kind) + ", angle " + std::to_string(item.Angle));
    board.Pending = {item};
    expectRestored([&](common::Canvas& c) { DrawPending(board, viewport, c); });
  }
  expectRestored([&](common::Canvas& c) {
    DrawSelectionBand(Px(1.5f), Px(2), Px(11), Px(10), colours.PreviewColour, c);
  });
}

}  // namespace
