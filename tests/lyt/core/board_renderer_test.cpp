#include "support/board_test_support.h"
#include "lyt/core/board_renderer.h"
#include "lyt/core/element_drawers.h"

#include <set>

// The drawing calls of the renderer and the drawers; the stacking order of
// the passes is checked on pixels in tests/gui.
namespace {

using namespace lyt;
using board_tests::Element;
using board_tests::NewItem;
using common::Colour;
using common::DrawMode;
using common::FillStyle;
using common::Rgb;
using Shape = testing_support::RecordingCanvas::Shape;
using Figure = std::tuple<Shape, int, int, int, int>;

constexpr Colour kPad = Rgb(10, 20, 30);
constexpr Colour kPreview = Rgb(200, 0, 200);
constexpr Colour kHoleFill = Rgb(1, 2, 3);

Figure FigureOf(const testing_support::RecordingCanvas::Drawn& d) {
  return {d.What, d.X1, d.Y1, d.X2, d.Y2};
}

class BoardRenderTest : public ::testing::Test {
 protected:
  BoardRenderTest() {
    board.Colours.PadColour = kPad;
    board.Colours.PreviewColour = kPreview;
    board.Colours.HoleFillColour = kHoleFill;
  }

  int Px(float mm) const { return viewport.MmToPixels(mm); }
  void Redraw() { RedrawBoard(board, layers, VisibleArea{0, 0, 200, 200}, viewport, font, canvas); }

  Board board;
  common::Viewport viewport{common::LytViewport};
  LayerView layers;
  testing_support::ScriptedUi ui;
  common::StrokeFont font{common::FontVariant::Lyt};
  testing_support::RecordingCanvas canvas;
  const BoardColours& colours = board.Colours;
};

struct HiddenCase {
  const char* Name;
  bool Component, Solder, Silkscreen;
};

class BoardRenderHiddenLayerTest : public BoardRenderTest,
                                   public ::testing::WithParamInterface<HiddenCase> {};

TEST_P(BoardRenderHiddenLayerTest, HidesTracksAndTextsButNeverPadsOrHoles) {
  board.Elements = {Element(0, ElementKind::Track, BoardLayer::Silkscreen, 0.3f, 1, 1, 9, 1),
                    Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 5, 5),
                    Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 5, 5),
                    Element(0, ElementKind::Track, BoardLayer::Solder, 1.0f, 2, 0, 2, 9),
                    Element(0, ElementKind::Track, BoardLayer::Component, 1.0f, 0, 2, 9, 2)};
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder, BoardLayer::Silkscreen})
    board.Elements.push_back(Element(0, ElementKind::Text, layer, 2.0f, 20, 20, 0, 0, "AL"));
  layers.ShowComponent = !GetParam().Component;
  layers.ShowSolder = !GetParam().Solder;
  layers.ShowSilkscreen = !GetParam().Silkscreen;
  Redraw();
  std::multiset<Colour> drawn;
  for (const auto& d : canvas.Drawing) {
    drawn.insert(d.Colour);
    EXPECT_EQ(d.Mode, DrawMode::CopyPen);
  }
  const std::pair<Colour, bool> layerHidden[] = {{colours.ComponentColour, GetParam().Component},
                                                 {colours.SolderColour, GetParam().Solder},
                                                 {colours.SilkscreenColour, GetParam().Silkscreen}};
  for (const auto& [colour, hidden] : layerHidden)
    EXPECT_EQ(drawn.count(colour), hidden ? 0u : 1u + 5u) << "one track and the five strokes of AL";
  EXPECT_EQ(drawn.count(kPad), 1u);
  EXPECT_EQ(drawn.count(colours.HoleColour), 3u);
}

INSTANTIATE_TEST_SUITE_P(Menus, BoardRenderHiddenLayerTest,
                         ::testing::Values(HiddenCase{"Composant", true, false, false},
                                           HiddenCase{"Soudure", false, true, false},
                                           HiddenCase{"Serig", false, false, true},
                                           HiddenCase{"All", true, true, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BoardRenderTest, SelectedElementsAreDrawnOnlyFromPendingAsInvertingPreview) {
  board.Elements = {Element(0, ElementKind::Track, BoardLayer::Component, 1.0f, 1, 2, 8, 2),
                    Element(0, ElementKind::Text, BoardLayer::Solder, 2.0f, 3, 4, 9, 6, "R1"),
                    Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 5, 5)};
  for (std::int32_t i = 0; i < 3; ++i) AddToPending(board, i, PendingMove::Whole);
  Redraw();
  const auto& drawn = canvas.Drawing;
  ASSERT_EQ(drawn.size(), 2u + 5u) << "centre mark; track, text box, hole circle and cross";
  for (std::size_t i = 2; i < drawn.size(); ++i)
    EXPECT_EQ(std::make_tuple(drawn[i].Colour, drawn[i].Mode),
              std::make_tuple(kPreview, DrawMode::NotXorPen));
  EXPECT_EQ(std::make_tuple(drawn[2].What, drawn[2].X1, drawn[2].Y1, drawn[2].X2),
            std::make_tuple(Shape::Line, Px(1), Px(2), Px(8)));
  // A text in hand is only its box: no strokes.
  EXPECT_EQ(FigureOf(drawn[3]), Figure(Shape::Box, Px(3), Px(4), Px(9), Px(6)));
  EXPECT_EQ(drawn[3].Width, 1);
  EXPECT_EQ(canvas.Fills[3].first, FillStyle::Transparent);
  EXPECT_EQ(canvas.Fills[4], std::make_pair(FillStyle::Solid, kHoleFill));
}

TEST_F(BoardRenderTest, DeadElementsUnknownKindsAndInactiveItemsAreNeverDrawn) {
  for (std::int32_t kind : {ElementKind::Deleted, 2, 3})
    for (std::int32_t layer = 0; layer <= BoardLayer::Through; ++layer) {
      board.Elements.push_back(Element(0, kind, layer, 1.0f, 4, 4, 6, 6, "X"));
      board.Pending.push_back(NewItem(kind, layer, 1.0f, 4, 4, 6, 6));
    }
  board.Pending.push_back(NewItem(ElementKind::Track, BoardLayer::Solder, 1.0f, 4, 4, 6, 6));
  board.Pending.back().Active = false;
  Redraw();
  EXPECT_EQ(canvas.Clears, 1);
  ASSERT_EQ(canvas.Drawing.size(), 2u) << "the centre mark alone";
  for (const auto& d : canvas.Drawing) EXPECT_EQ(d.Colour, canvas.Highlight);
  EXPECT_FALSE(canvas.Pixels.empty()) << "grid dots";
}

TEST_F(BoardRenderTest, PendingSizesBelowAPixelAreDrawnOnePixelWide) {
  board.Pending = {NewItem(ElementKind::Track, BoardLayer::Solder, 0.01f, 1, 1, 5, 1),
                   NewItem(ElementKind::RoundPad, BoardLayer::Through, 0.01f, 3, 3)};
  DrawPending(board, viewport, canvas);
  ASSERT_EQ(canvas.Drawing.size(), 2u);
  EXPECT_EQ(canvas.Drawing[0].Width, 1);
  EXPECT_EQ(canvas.Drawing[1].X2, 1) << "radius";
}

// The pixel drawers on a canvas left in a foreign state by earlier drawing.
class DrawerTest : public ::testing::Test {
 protected:
  DrawerTest() { Soil(); }
  void Soil() {
    canvas.Clear();
    canvas.SetLineWidth(7);
    canvas.SetLineStyle(common::LineStyle::Dot);
    canvas.SetFillStyle(FillStyle::Solid);
    canvas.SetFillColour(Rgb(9, 9, 9));
  }
  testing_support::RecordingCanvas canvas;
  const Colour red = Rgb(255, 0, 0);
};

TEST_F(DrawerTest, PadsAreOneSolidShapeInTheirColourAndLeaveTheFillTransparent) {
  DrawRoundPad(50, 40, 6, red, DrawMode::NotXorPen, canvas);
  DrawSquarePad(50, 40, 6, red, DrawMode::NotXorPen, canvas);
  DrawOvalPad(50, 40, 6, red, DrawMode::NotXorPen, 0, canvas);
  DrawRectPad(50, 40, 6, red, DrawMode::NotXorPen, 90, canvas);
  ASSERT_EQ(canvas.Drawing.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const auto& d = canvas.Drawing[i];
    EXPECT_EQ(canvas.Fills[i], std::make_pair(FillStyle::Solid, red));
    EXPECT_EQ(std::make_tuple(d.Width, d.Style, d.Mode),
              std::make_tuple(1, common::LineStyle::Solid, DrawMode::NotXorPen));
  }
  EXPECT_EQ(canvas.Fill, FillStyle::Transparent);
}

TEST_F(DrawerTest, HoleIsAFilledCircleCrossedByArmsOfOneAndAHalfRadiiRoundedToEven) {
  for (const auto& [r, d] : {std::pair{1, 2}, {3, 4}, {4, 6}, {5, 8}}) {
    SCOPED_TRACE(r);
    Soil();
    DrawHole(30, 20, r, red, kHoleFill, DrawMode::CopyPen, canvas);
    ASSERT_EQ(canvas.Drawing.size(), 3u);
    EXPECT_EQ(FigureOf(canvas.Drawing[0]), Figure(Shape::Circle, 30, 20, r, 0));
    EXPECT_EQ(canvas.Fills[0], std::make_pair(FillStyle::Solid, kHoleFill));
    EXPECT_EQ(FigureOf(canvas.Drawing[1]), Figure(Shape::Line, 30 - d, 20, 30 + d, 20));
    EXPECT_EQ(FigureOf(canvas.Drawing[2]), Figure(Shape::Line, 30, 20 - d, 30, 20 + d));
    EXPECT_EQ(canvas.Fill, FillStyle::Transparent);
  }
}

TEST_F(DrawerTest, OvalAndRectPadsLieAlongTheirAngleOrDrawNothing) {
  for (int angle : {0, 90, 180, 270, 45, -90, 360}) {
    SCOPED_TRACE(angle);
    Soil();
    DrawRectPad(100, 80, 5, red, DrawMode::CopyPen, angle, canvas);
    DrawOvalPad(100, 80, 5, red, DrawMode::CopyPen, angle, canvas);
    if (angle % 90 != 0 || angle < 0 || angle > 270) {
      EXPECT_TRUE(canvas.Drawing.empty());
      continue;
    }
    ASSERT_EQ(canvas.Drawing.size(), 2u);
    const bool lengthwise = angle % 180 == 0;
    const int halfWidth = lengthwise ? 10 : 5, halfHeight = lengthwise ? 5 : 10;
    EXPECT_EQ(FigureOf(canvas.Drawing[0]), Figure(Shape::Box, 100 - halfWidth, 80 - halfHeight,
                                                  100 + halfWidth, 80 + halfHeight));
    EXPECT_EQ(canvas.Drawing[1].X2, 10) << "the longer half-axis";
    EXPECT_EQ(canvas.Drawing[1].Aspect, lengthwise ? 0.5 : 2.0);
  }
}

TEST_F(DrawerTest, LineFiguresSetTheirOwnWidthAndNoFill) {
  DrawTrack(1, 2, 3, 4, 0, red, DrawMode::CopyPen, canvas);
  DrawCircle(10, 10, 5, 3, red, DrawMode::CopyPen, canvas);
  DrawTextBox(1, 2, 30, 40, kPreview, canvas);
  ASSERT_EQ(canvas.Drawing.size(), 3u);
  EXPECT_EQ(canvas.Drawing[0].Width, 1);
  EXPECT_EQ(canvas.Drawing[1].Width, 3);
  EXPECT_EQ(std::make_tuple(canvas.Drawing[2].Width, canvas.Drawing[2].Mode),
            std::make_tuple(1, DrawMode::NotXorPen));
  for (const auto& fill : canvas.Fills) EXPECT_EQ(fill.first, FillStyle::Transparent);
}

TEST_F(DrawerTest, SelectionBandIsDottedInvertingAndRestoresTheSolidStyle) {
  DrawSelectionBand(40, 30, 10, 5, kPreview, canvas);
  ASSERT_EQ(canvas.Drawing.size(), 1u);
  const auto& band = canvas.Drawing[0];
  EXPECT_EQ(FigureOf(band), Figure(Shape::Box, 40, 30, 10, 5));
  EXPECT_EQ(std::make_tuple(band.Colour, band.Width, band.Mode, band.Style),
            std::make_tuple(kPreview, 1, DrawMode::NotXorPen, common::LineStyle::Dot));
  EXPECT_EQ(canvas.Fills[0].first, FillStyle::Transparent);
  EXPECT_EQ(canvas.Style, common::LineStyle::Solid);
}

}  // namespace
