#include "common/core/grid_drawing.h"
#include "common/core/viewport.h"

#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

using common::Viewport;
using testing_support::RecordingCanvas;

// Counts the calls too: pixels set twice do not show in the recording.
class CountingCanvas : public RecordingCanvas {
 public:
  int PixelCalls = 0;
  std::set<int> Columns, Rows;
  void SetPixel(int x, int y, common::Colour colour) override {
    ++PixelCalls;
    Columns.insert(x);
    Rows.insert(y);
    RecordingCanvas::SetPixel(x, y, colour);
  }
};

TEST(ViewportGridTest, SchematicDotsCoverTheVisiblePart) {
  Viewport view(common::SktViewport);  // 12 pixels per mm, 1 mm step
  CountingCanvas canvas;
  // Picture1 of 600 x 480 showing drawing pixels 1410..2010 x 930..1410:
  // the grid lines nearest to its edges are 117..167 mm and 77..117 mm.
  common::DrawGrid(view, -1410, -930, 600, 480, canvas);
  EXPECT_EQ(canvas.PixelCalls, 51 * 41);
  EXPECT_EQ(*canvas.Columns.begin(), 1404);
  EXPECT_EQ(*canvas.Columns.rbegin(), 2004);
  EXPECT_EQ(*canvas.Rows.begin(), 924);
  EXPECT_EQ(*canvas.Rows.rbegin(), 1404);
  EXPECT_EQ(canvas.Pixels.begin()->second, canvas.Highlight);
}

TEST(ViewportGridTest, TheLineAtTheFarEdgeIsNotLostToRounding) {
  // The whole board in view: 212 steps of 1.27 mm, so 213 columns and 154 rows.
  Viewport view(common::LytViewport);
  CountingCanvas canvas;
  common::DrawGrid(view, 0, 0, 5088, 3696, canvas);
  EXPECT_EQ(canvas.Columns.size(), 213u);
  EXPECT_EQ(*canvas.Columns.rbegin(), view.MmToPixels(212 * 1.27f));
  EXPECT_EQ(canvas.Rows.size(), 155u);
  EXPECT_EQ(*canvas.Rows.rbegin(), view.MmToPixels(154 * 1.27f));
}

TEST(ViewportGridTest, RowsCloserThanAPixelAreEachSetOnce) {
  Viewport view(common::LytViewport);
  view.Zoom = 8;
  view.GridStepX = 10.0f;
  view.GridStepY = 0.5f;  // rows 0.4 pixel apart
  view.Scale = view.ScaleForZoom();
  CountingCanvas canvas;
  common::DrawGrid(view, 0, 0, 80, 40, canvas);
  EXPECT_EQ(canvas.Rows.size(), 41u);  // every pixel row from 0 to 40
  EXPECT_EQ(canvas.PixelCalls, 41 * 11);
}

TEST(ViewportGridTest, CentreMarkCrossesTheMiddleOfTheBoard) {
  Viewport view(common::LytViewport);
  RecordingCanvas canvas;
  canvas.Width = 3;
  common::DrawCentreMark(view, canvas);
  auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 2u);  // arms of 2.54 mm about (134.62, 97.79)
  for (const auto& l : lines)
    EXPECT_EQ(std::make_pair(l.Colour, l.Width), std::make_pair(canvas.Highlight, 1));
  EXPECT_EQ((std::array<int, 4>{lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2}),
            (std::array<int, 4>{2544 - 48, 1848, 2544 + 48, 1848}));
  EXPECT_EQ((std::array<int, 4>{lines[1].X1, lines[1].Y1, lines[1].X2, lines[1].Y2}),
            (std::array<int, 4>{2544, 1848 - 48, 2544, 1848 + 48}));
}

TEST(ViewportGridTest, DotsOnlyWhenShownCloseEnoughAndNotScrollingButTheMarkAlways) {
  auto dotsAfter = [](void (*change)(Viewport&)) {
    Viewport view(common::SktViewport);
    change(view);
    view.Scale = view.ScaleForZoom();
    RecordingCanvas canvas;
    common::DrawGridAndCentreMark(view, 0, 0, 600, 480, canvas);
    EXPECT_EQ(canvas.Lines().size(), 2u);
    return canvas.Pixels.size();
  };
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.Zoom = 6; }), 0u);
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.ShowGrid = false; }), 0u);
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.ScrollFocus = true; }), 0u);
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.CentringKey = true; }), 0u);
  EXPECT_GT(dotsAfter([](Viewport& v) { v.Zoom = 8; }), 0u);
}

}  // namespace
