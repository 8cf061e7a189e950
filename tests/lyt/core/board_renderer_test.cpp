#include "support/board_test_support.h"
#include "lyt/core/board_renderer.h"
#include "lyt/core/element_drawers.h"

#include <functional>

// The drawing calls of the renderer and the drawers; the pixels of the
// stacking and of the preview drawn twice are checked in tests/gui.
namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using namespace lyt::BoardLayer;
using board_tests::Element;
using board_tests::NewItem;
using common::Canvas;
using common::Colour;
using common::DrawMode;
using common::Rgb;
using testing_support::RecordingCanvas;

constexpr Colour kPad = Rgb(10, 20, 30), kPreview = Rgb(200, 0, 200), kHoleFill = Rgb(1, 2, 3);

class BoardRenderTest : public ::testing::Test {
 protected:
  BoardRenderTest() {
    std::tie(colours.PadColour, colours.PreviewColour, colours.HoleFillColour) =
        std::make_tuple(kPad, kPreview, kHoleFill);
  }
  void Redraw() { RedrawBoard(board, layers, VisibleArea{0, 0, 200, 200}, viewport, font, canvas); }

  Board board;
  BoardColours& colours = board.Colours;
  common::Viewport viewport{common::LytViewport};  // 18.9 pixels per mm
  LayerView layers;
  common::StrokeFont font{common::FontVariant::Lyt};
  RecordingCanvas canvas;
};

// After the centre mark: the other copper layer, the current one on top,
// pads, silkscreen, holes over all. Hidden layers lose their tracks and
// texts, never pads or holes; deleted elements, unknown kinds and inactive
// items are never drawn.
TEST_F(BoardRenderTest, PassesInLayerOrderHiddenLayersAndDeadElementsLeftOut) {
  board.Elements = {Element(0, Hole, Through, 0.4f, 5, 5), Element(0, RoundPad, Through, 0.8f, 5, 5)};
  for (std::int32_t layer : {Silkscreen, Component, Solder}) {
    board.Elements.push_back(Element(0, Track, layer, 1.0f, 1, 2 + layer, 9, 2 + layer));
    board.Elements.push_back(Element(0, Text, layer, 2.0f, 20, 20, 0, 0, "AL"));
  }
  for (std::int32_t kind : {Deleted, 2, 3})
    for (std::int32_t layer = 0; layer <= Through; ++layer) {
      board.Elements.push_back(Element(0, kind, layer, 1.0f, 4, 4, 6, 6, "X"));
      board.Pending.push_back(NewItem(kind, layer, 1.0f, 4, 4, 6, 6));
    }
  board.Pending.push_back(NewItem(Track, Solder, 1.0f, 4, 4, 6, 6));
  board.Pending.back().Active = false;
  const std::pair<std::int32_t, int> cases[] = {  // current layer, hidden layers (1, 2, 4)
      {Solder, 0}, {Component, 0}, {Solder, 1}, {Solder, 2}, {Silkscreen, 4}, {Solder, 7}};
  for (const auto& [current, hidden] : cases) {
    SCOPED_TRACE(testing::Message() << "current " << current << ", hidden " << hidden);
    layers = {current, !(hidden & 1), !(hidden & 2), !(hidden & 4)};
    Redraw();
    std::vector<std::pair<Colour, int>> runs;  // colour, figures: one track and the five strokes of AL
    for (const auto& d : canvas.Drawing) {
      const Colour colour = d.Mode == DrawMode::CopyPen ? d.Colour : kPreview;
      if (runs.empty() || runs.back().first != colour) runs.emplace_back(colour, 0);
      ++runs.back().second;
    }
    std::vector<std::pair<Colour, int>> expected = {{canvas.Highlight, 2}};
    for (int bit : {current == Solder ? 1 : 2, current == Solder ? 2 : 1})
      if (!(hidden & bit))
        expected.emplace_back(bit == 1 ? colours.ComponentColour : colours.SolderColour, 6);
    expected.emplace_back(kPad, 1);
    if (!(hidden & 4)) expected.emplace_back(colours.SilkscreenColour, 6);
    expected.emplace_back(colours.HoleColour, 3);  // circle and cross
    EXPECT_EQ(runs, expected);
  }
}

// Selected elements are drawn only from Pending, with the inverting pen in
// the preview colour; a text in hand is only its box; sizes below a pixel
// are drawn one pixel wide.
TEST_F(BoardRenderTest, SelectedElementsAreDrawnOnlyFromPendingAsInvertingPreview) {
  board.Elements = {Element(0, Track, Component, 1.0f, 1, 2, 8, 2),
                    Element(0, Text, Solder, 2, 3, 4, 9, 6, "R1"), Element(0, Hole, Through, 0.4f, 5, 5)};
  for (std::int32_t i = 0; i < 3; ++i) AddToPending(board, i, PendingMove::Whole);
  Redraw();
  const std::string hole = " notxor filled " + std::to_string(kHoleFill) + "\n";
  EXPECT_EQ(canvas.Describe(2),
            "line 19 38 151 38 width 19 notxor\nbox 57 76 170 113 notxor\ncircle 94 94 8 0" + hole +
                "line 82 94 106 94 notxor\nline 94 82 94 106 notxor\n");
  for (std::size_t i = 2; i < canvas.Drawing.size(); ++i) EXPECT_EQ(canvas.Drawing[i].Colour, kPreview);

  board.Pending = {NewItem(Track, Solder, 0.01f, 1, 1, 5, 1), NewItem(RoundPad, Through, 0.01f, 3, 3)};
  canvas.Clear();
  DrawPending(board, viewport, canvas);
  EXPECT_EQ(canvas.Describe(),
            "line 19 19 94 19 notxor\ncircle 57 57 1 0 notxor filled " + std::to_string(kPreview) + "\n");
}

// Each drawer on a canvas left dotted, wide and filled by earlier drawing:
// it sets the pen it needs and, when it draws, leaves the fill transparent
// and the line solid. Pads lie along their angle; other angles draw nothing.
// A hole's arms reach one and a half radii, rounded halves to even.
TEST(ElementDrawers, FiguresOfEachKindWhateverTheCanvasStateBefore) {
  constexpr Colour red = Rgb(255, 0, 0);
  constexpr DrawMode copy = DrawMode::CopyPen;
  const std::string fill = " filled " + std::to_string(red) + "\n";
  const std::string hole = " filled " + std::to_string(kHoleFill) + "\n";
  const std::pair<std::function<void(Canvas&)>, std::string> cases[] = {
      {[](Canvas& c) { DrawOvalPad(100, 80, 5, red, copy, 180, c); }, "circle 100 80 10 0 aspect 0.5" + fill},
      {[](Canvas& c) { DrawOvalPad(100, 80, 5, red, copy, 90, c); }, "circle 100 80 10 0 aspect 2.0" + fill},
      {[](Canvas& c) { DrawRectPad(100, 80, 5, red, copy, 0, c); }, "box 90 75 110 85" + fill},
      {[](Canvas& c) { DrawRectPad(100, 80, 5, red, copy, 270, c); }, "box 95 70 105 90" + fill},
      {[](Canvas& c) { for (int angle : {45, -90, 360}) DrawOvalPad(100, 80, 5, red, copy, angle, c); }, ""},
      {[](Canvas& c) { for (int angle : {45, -90, 360}) DrawRectPad(100, 80, 5, red, copy, angle, c); }, ""},
      {[](Canvas& c) { DrawHole(30, 20, 3, red, kHoleFill, copy, c); },
       "circle 30 20 3 0" + hole + "line 26 20 34 20\nline 30 16 30 24\n"},
      {[](Canvas& c) { DrawHole(30, 20, 5, red, kHoleFill, copy, c); },
       "circle 30 20 5 0" + hole + "line 22 20 38 20\nline 30 12 30 28\n"},
      {[](Canvas& c) { DrawCircle(10, 10, 5, 3, red, copy, c); }, "circle 10 10 5 0 width 3\n"},
      {[](Canvas& c) { DrawSelectionBand(40, 30, 10, 5, kPreview, c); }, "box 40 30 10 5 dotted notxor\n"}};
  for (const auto& [draw, expected] : cases) {
    RecordingCanvas canvas;
    std::tie(canvas.Width, canvas.Style, canvas.Fill) =
        std::make_tuple(7, common::LineStyle::Dot, common::FillStyle::Solid);
    draw(canvas);
    EXPECT_EQ(canvas.Describe(), expected);
    if (canvas.Drawing.empty()) continue;
    EXPECT_EQ(std::make_pair(canvas.Fill, canvas.Style),
              std::make_pair(common::FillStyle::Transparent, common::LineStyle::Solid)) << expected;
  }
}

}  // namespace
