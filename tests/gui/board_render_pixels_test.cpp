#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "common/ui/qt_canvas.h"
#include "lyt/core/board.h"
#include "lyt/core/board_renderer.h"
#include "lyt/core/element_drawers.h"
#include "support/board_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace lyt;
using board_tests::Element;
using board_tests::NewItem;
using common::Colour;
using common::Rgb;

const QColor kBackground(0, 0, 0);
const QColor kHighlight(0, 0, 128);

QRgb Rgb32(Colour colour) { return common::QtCanvas::ToQColor(colour).rgb(); }

class BoardRenderPixelTest : public ::testing::Test {
 protected:
  BoardRenderPixelTest() : image(256, 256, QImage::Format_RGB32) {
    viewport.ShowGrid = false;
    board.Colours.PadColour = Rgb(255, 128, 0);  // apart from both copper colours
    board.Colours.HoleFillColour = Rgb(1, 2, 3);
  }

  int Px(float mm) const { return viewport.MmToPixels(mm); }
  QRgb At(float xMm, float yMm) const { return image.pixel(Px(xMm), Px(yMm)); }

  void Redraw() {
    common::QtCanvas canvas(image, QPoint(0, 0), kBackground, kHighlight);
    RedrawBoard(board, layers, VisibleArea{0, 0, image.width(), image.height()}, viewport, font,
                canvas);
  }
  void DrawInHand() {
    common::QtCanvas canvas(image, QPoint(0, 0), kBackground, kHighlight);
    DrawPending(board, viewport, canvas);
  }

  Board board;
  common::Viewport viewport{common::LytViewport};
  LayerView layers;
  common::StrokeFont font{common::FontVariant::Lyt};
  QImage image;
  const BoardColours& colours = board.Colours;
};

class BoardRenderCrossingTest : public BoardRenderPixelTest,
                                public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(BoardRenderCrossingTest, CrossingShowsTheCurrentCopperLayer) {
  board.Elements = {Element(0, ElementKind::Track, BoardLayer::Component, 1.0f, 1, 5, 10, 5),
                    Element(0, ElementKind::Track, BoardLayer::Solder, 1.0f, 5, 1, 5, 10)};
  layers.CurrentLayer = GetParam();
  Redraw();
  const Colour top =
      GetParam() == BoardLayer::Solder ? colours.SolderColour : colours.ComponentColour;
  EXPECT_EQ(At(5, 5), Rgb32(top));
  EXPECT_EQ(At(2, 5), Rgb32(colours.ComponentColour));
  EXPECT_EQ(At(5, 2), Rgb32(colours.SolderColour));
  EXPECT_EQ(At(2, 2), kBackground.rgb());
}

INSTANTIATE_TEST_SUITE_P(CurrentLayers, BoardRenderCrossingTest,
                         ::testing::Values(BoardLayer::Component, BoardLayer::Solder,
                                           BoardLayer::Silkscreen));

TEST_F(BoardRenderPixelTest, PadsCoverCopperSilkscreenCoversPadsAndHolesCoverAll) {
  board.Elements = {Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 8, 8),
                    Element(0, ElementKind::Track, BoardLayer::Silkscreen, 0.2f, 6, 8.8f, 10, 8.8f),
                    Element(0, ElementKind::RoundPad, BoardLayer::Through, 1.2f, 8, 8),
                    Element(0, ElementKind::Track, BoardLayer::Component, 0.5f, 4, 7.5f, 12, 7.5f)};
  Redraw();
  EXPECT_EQ(At(4.5f, 7.5f), Rgb32(colours.ComponentColour));
  EXPECT_EQ(At(7.2f, 7.5f), Rgb32(colours.PadColour)) << "pad over the track";
  EXPECT_EQ(At(8, 8.8f), Rgb32(colours.SilkscreenColour)) << "silkscreen over the pad";
  EXPECT_EQ(At(8, 8), Rgb32(colours.HoleColour)) << "hole cross";
  EXPECT_EQ(At(8.2f, 7.8f), Rgb32(colours.HoleFillColour)) << "inside the drill";
}

// Solder-side texts are read from the other side of the board: the stem of
// an "L" is on the left of its ink, mirrored on the right.
TEST_F(BoardRenderPixelTest, SolderTextIsMirrored) {
  auto leaning = [&](std::int32_t layer) {
    board.Elements = {Element(0, ElementKind::Text, layer, 2.0f, 2, 2, 0, 0, "L")};
    Redraw();
    long long sum = 0, count = 0;
    int least = image.width(), most = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != kBackground.rgb()) {
          sum += x;
          ++count;
          least = std::min(least, x);
          most = std::max(most, x);
        }
    EXPECT_GT(count, 0);
    return 2 * sum - count * (least + most);  // the ink's mean column against its middle
  };
  EXPECT_LT(leaning(BoardLayer::Component), 0);
  EXPECT_GT(leaning(BoardLayer::Solder), 0);
}

TEST_F(BoardRenderPixelTest, ElementsThinnerThanAPixelAreStillDrawn) {
  viewport.Scale = 2.0;  // zoomed far out: 0.15 mm of circle line is under half a pixel
  board.Elements = {Element(0, ElementKind::Track, BoardLayer::Solder, 0.1f, 10, 20, 60, 20),
                    Element(0, ElementKind::Circle, BoardLayer::Silkscreen, 20.0f, 60, 60)};
  Redraw();
  EXPECT_EQ(At(30, 20), Rgb32(colours.SolderColour));
  EXPECT_EQ(At(60 + 20, 60), Rgb32(colours.SilkscreenColour));
  EXPECT_EQ(At(60, 60 - 20), Rgb32(colours.SilkscreenColour));
}

struct InHandCase {
  const char* Name;
  PendingItem Item;
};

class BoardRenderPendingTest : public BoardRenderPixelTest,
                               public ::testing::WithParamInterface<InHandCase> {
 protected:
  // Something for the preview to invert: tracks of both copper layers, a
  // pad with its hole, a silkscreen text and the grid.
  void DrawBusyBoard() {
    viewport.ShowGrid = true;
    board.Elements = {
        Element(0, ElementKind::Track, BoardLayer::Component, 1.0f, 1, 6, 12, 6),
        Element(0, ElementKind::Track, BoardLayer::Solder, 0.6f, 6, 1, 6, 12),
        Element(0, ElementKind::RoundPad, BoardLayer::Through, 1.0f, 7, 7),
        Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 7, 7),
        Element(0, ElementKind::Text, BoardLayer::Silkscreen, 1.5f, 2, 8, 0, 0, "R12")};
    Redraw();
  }
};

TEST_P(BoardRenderPendingTest, DrawnTwiceRestoresTheBoardBitForBit) {
  DrawBusyBoard();
  const QImage before = image;
  board.Pending = {GetParam().Item};
  DrawInHand();
  EXPECT_NE(image, before) << "the item must show";
  DrawInHand();
  EXPECT_EQ(image, before);
}

PendingItem Pad(std::int32_t kind, std::int32_t angle) {
  PendingItem pad = NewItem(kind, BoardLayer::Through, 0.8f, 6, 6);
  pad.Angle = angle;
  return pad;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BoardRenderPendingTest,
    ::testing::Values(
        InHandCase{"Track", NewItem(ElementKind::Track, BoardLayer::Solder, 0.8f, 2, 3, 10, 9)},
        InHandCase{"RoundPad", Pad(ElementKind::RoundPad, 0)},
        InHandCase{"SquarePad", Pad(ElementKind::SquarePad, 0)},
        InHandCase{"OvalPad0", Pad(ElementKind::OvalPad, 0)},
        InHandCase{"OvalPad90", Pad(ElementKind::OvalPad, 90)},
        InHandCase{"RectPad0", Pad(ElementKind::RectPad, 0)},
        InHandCase{"RectPad90", Pad(ElementKind::RectPad, 90)},
        InHandCase{"Hole", NewItem(ElementKind::Hole, BoardLayer::Through, 0.5f, 6.5f, 6.5f)},
        InHandCase{"Circle", NewItem(ElementKind::Circle, BoardLayer::Silkscreen, 3.0f, 6, 6)},
        InHandCase{"TextBox",
                   NewItem(ElementKind::Text, BoardLayer::Solder, 1.5f, 1.5f, 5, 9, 9.5f)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BoardRenderPendingTest, SelectionBandDrawnTwiceRestoresTheBoardBitForBit) {
  DrawBusyBoard();
  const QImage before = image;
  auto drawBand = [&] {
    common::QtCanvas canvas(image, QPoint(0, 0), kBackground, kHighlight);
    DrawSelectionBand(Px(1.5f), Px(2), Px(11), Px(10), colours.PreviewColour, canvas);
  };
  drawBand();
  EXPECT_NE(image, before);
  drawBand();
  EXPECT_EQ(image, before);
}

}  // namespace
