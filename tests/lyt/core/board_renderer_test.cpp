#include "support/board_test_support.h"
#include "lyt/core/board_renderer.h"
#include "lyt/core/element_drawers.h"

#include <limits>
#include <set>

// The drawing calls of the renderer and the drawers; the stacking order of
// the passes and the preview drawn twice are checked on pixels in tests/gui.
namespace {

using namespace lyt;
using board_tests::Element;
using board_tests::NewItem;
using common::Canvas;
using common::Colour;
using common::DrawMode;
using common::Rgb;
using testing_support::RecordingCanvas;

constexpr Colour kPad = Rgb(10, 20, 30);
constexpr Colour kPreview = Rgb(200, 0, 200);
constexpr Colour kHoleFill = Rgb(1, 2, 3);

// The figures drawn, one per line: shape, coordinates, then the pen and fill
// they were drawn with when not the plain ones.
std::string Describe(const RecordingCanvas& canvas) {
  std::string text;
  for (std::size_t i = 0; i < canvas.Drawing.size(); ++i) {
    const RecordingCanvas::Drawn& d = canvas.Drawing[i];
    const char* shapes[] = {"line", "box", "circle"};
    text += shapes[static_cast<int>(d.What)];
    for (int v : {d.X1, d.Y1, d.X2, d.Y2}) text += " " + std::to_string(v);
    if (d.Width != 1) text += " width " + std::to_string(d.Width);
    if (d.Aspect != 1.0) text += " aspect " + std::to_string(d.Aspect).substr(0, 3);
    if (d.Style != common::LineStyle::Solid) text += " dotted";
    if (d.Mode != DrawMode::CopyPen) text += " notxor";
    if (canvas.Fills[i].first == common::FillStyle::Solid)
      text += " filled " + std::to_string(canvas.Fills[i].second);
    text += "\n";
  }
  return text;
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
  common::StrokeFont font{common::FontVariant::Lyt};
  RecordingCanvas canvas;
  const BoardColours& colours = board.Colours;
};

TEST_F(BoardRenderTest, HiddenLayersLoseTracksAndTextsButNeverPadsOrHoles) {
  board.Elements = {Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 5, 5),
                    Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 5, 5)};
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder, BoardLayer::Silkscreen}) {
    board.Elements.push_back(Element(0, ElementKind::Track, layer, 1.0f, 1, 2 + layer, 9, 2 + layer));
    board.Elements.push_back(Element(0, ElementKind::Text, layer, 2.0f, 20, 20, 0, 0, "AL"));
  }
  const Colour layerColours[] = {colours.ComponentColour, colours.SolderColour,
                                 colours.SilkscreenColour};
  for (int hidden : {1, 2, 4, 7}) {  // one layer menu unchecked at a time, then all three
    layers.ShowComponent = !(hidden & 1);
    layers.ShowSolder = !(hidden & 2);
    layers.ShowSilkscreen = !(hidden & 4);
    Redraw();
    std::multiset<Colour> drawn;
    for (const auto& d : canvas.Drawing)
      drawn.insert(d.Mode == DrawMode::CopyPen ? d.Colour : kPreview);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(drawn.count(layerColours[i]), (hidden >> i & 1) ? 0u : 1u + 5u)
          << hidden << ": one track and the five strokes of AL";
    EXPECT_EQ(drawn.count(kPad), 1u);
    EXPECT_EQ(drawn.count(colours.HoleColour), 3u) << "circle and cross";
  }
}

TEST_F(BoardRenderTest, SelectedElementsAreDrawnOnlyFromPendingAsInvertingPreview) {
  board.Elements = {Element(0, ElementKind::Track, BoardLayer::Component, 1.0f, 1, 2, 8, 2),
                    Element(0, ElementKind::Text, BoardLayer::Solder, 2.0f, 3, 4, 9, 6, "R1"),
                    Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 5, 5)};
  for (std::int32_t i = 0; i < 3; ++i) AddToPending(board, i, PendingMove::Whole);
  Redraw();
  ASSERT_EQ(canvas.Drawing.size(), 2u + 5u) << "centre mark; track, text box, hole circle and cross";
  canvas.Drawing.erase(canvas.Drawing.begin(), canvas.Drawing.begin() + 2);
  canvas.Fills.erase(canvas.Fills.begin(), canvas.Fills.begin() + 2);
  for (const auto& d : canvas.Drawing) EXPECT_EQ(d.Colour, kPreview);
  auto px = [&](float mm) { return std::to_string(Px(mm)); };
  // A text in hand is only its box: no strokes.
  const std::string drawn = Describe(canvas);
  EXPECT_EQ(drawn.substr(0, drawn.find("circle")),
            "line " + px(1) + " " + px(2) + " " + px(8) + " " + px(2) + " width " + px(1) +
                " notxor\nbox " + px(3) + " " + px(4) + " " + px(9) + " " + px(6) + " notxor\n");
  EXPECT_NE(drawn.find("notxor filled " + std::to_string(kHoleFill)), std::string::npos) << drawn;
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

// Each drawer on a canvas left dotted, wide and filled by earlier drawing:
// it sets the pen it needs and, when it draws, leaves the fill transparent
// and the line solid.
TEST(ElementDrawers, FiguresOfEachKindWhateverTheCanvasStateBefore) {
  RecordingCanvas canvas;
  auto Soiled = [&]() -> Canvas& {
    canvas.Clear();
    canvas.SetLineWidth(7);
    canvas.SetLineStyle(common::LineStyle::Dot);
    canvas.SetFillStyle(common::FillStyle::Solid);
    return canvas;
  };
  auto Drawn = [&] {
    if (!canvas.Drawing.empty()) {
      EXPECT_EQ(std::make_pair(canvas.Fill, canvas.Style),
                std::make_pair(common::FillStyle::Transparent, common::LineStyle::Solid));
    }
    return Describe(canvas);
  };
  const Colour red = Rgb(255, 0, 0);
  const std::string filledRed = " filled " + std::to_string(red) + "\n";
  const std::string filledHole = " filled " + std::to_string(kHoleFill) + "\n";
  const DrawMode copy = DrawMode::CopyPen;
  DrawRoundPad(50, 40, 6, red, DrawMode::NotXorPen, Soiled());
  EXPECT_EQ(Drawn(), "circle 50 40 6 0 notxor" + filledRed);
  // Oval and rectangular pads lie along their angle; other angles draw nothing.
  DrawOvalPad(100, 80, 5, red, copy, 180, Soiled());
  EXPECT_EQ(Drawn(), "circle 100 80 10 0 aspect 0.5" + filledRed);
  DrawOvalPad(100, 80, 5, red, copy, 90, Soiled());
  EXPECT_EQ(Drawn(), "circle 100 80 10 0 aspect 2.0" + filledRed);
  DrawRectPad(100, 80, 5, red, copy, 0, Soiled());
  EXPECT_EQ(Drawn(), "box 90 75 110 85" + filledRed);
  DrawRectPad(100, 80, 5, red, copy, 270, Soiled());
  EXPECT_EQ(Drawn(), "box 95 70 105 90" + filledRed);
  for (int angle : {45, -90, 360}) {
    DrawOvalPad(100, 80, 5, red, copy, angle, Soiled());
    DrawRectPad(100, 80, 5, red, copy, angle, canvas);
    EXPECT_EQ(Drawn(), "") << angle;
  }
  // A hole's arms reach one and a half radii, rounded halves to even.
  DrawHole(30, 20, 3, red, kHoleFill, copy, Soiled());
  EXPECT_EQ(Drawn(), "circle 30 20 3 0" + filledHole + "line 26 20 34 20\nline 30 16 30 24\n");
  DrawHole(30, 20, 5, red, kHoleFill, copy, Soiled());
  EXPECT_EQ(Drawn(), "circle 30 20 5 0" + filledHole + "line 22 20 38 20\nline 30 12 30 28\n");
  DrawTrack(1, 2, 3, 4, 0, red, copy, Soiled());
  EXPECT_EQ(Drawn(), "line 1 2 3 4\n");
  DrawCircle(10, 10, 5, 3, red, copy, Soiled());
  EXPECT_EQ(Drawn(), "circle 10 10 5 0 width 3\n");
  DrawSelectionBand(40, 30, 10, 5, kPreview, Soiled());
  EXPECT_EQ(Drawn(), "box 40 30 10 5 dotted notxor\n");
}

// A size read from a damaged file can make the smallest int of pixels: the
// figures saturate instead of wrapping round to small numbers.
TEST(ElementDrawers, HugeNegativeSizesSaturate) {
  RecordingCanvas canvas;
  const int r = std::numeric_limits<int>::min();
  const std::string max = std::to_string(std::numeric_limits<int>::max());
  const std::string min = std::to_string(r + 10);
  DrawHole(10, 10, r, Rgb(1, 1, 1), kHoleFill, DrawMode::CopyPen, canvas);
  DrawSquarePad(10, 10, r, kPad, DrawMode::CopyPen, canvas);
  DrawRectPad(10, 10, r, kPad, DrawMode::CopyPen, 0, canvas);
  const std::string filled = " filled " + std::to_string(kPad) + "\n";
  EXPECT_EQ(Describe(canvas).substr(Describe(canvas).find('\n') + 1),
            "line " + max + " 10 " + min + " 10\nline 10 " + max + " 10 " + min + "\n" +  //
                "box " + max + " " + max + " " + min + " " + min + filled +                  //
                "box " + max + " " + max + " " + min + " " + min + filled);
}

}  // namespace
