#include "common/core/viewport.h"
#include "common/core/window_layout.h"

#include <gtest/gtest.h>

namespace {

using common::ScrollBar;
using common::Viewport;
using common::WindowLayout;
using common::WindowMetrics;
using common::ZoomDirection;

// Bars 17 pixels thick, a 25-pixel status bar and a 30-pixel row of lists.
WindowMetrics WindowWithDrawingArea(int picture1Width, int picture1Height) {
  return {picture1Width + 17 + common::ToolPaletteWidth, picture1Height + 17 + 25 + 30, false,
          30, 17, 17, 25};
}

TEST(LayoutTest, NewBoardInASmallerWindowIsCentredWithBothBars) {
  Viewport view(common::LytViewport);
  view.Scale = 1.0;  // the layout must recompute it
  WindowLayout layout = common::LayOutMainWindow(WindowWithDrawingArea(1133, 828), view);
  EXPECT_NEAR(view.Scale, 18.898, 0.001);
  EXPECT_EQ(layout.Picture2Width, 5088);
  EXPECT_EQ(layout.HScroll1.Maximum, 5088 - 1133);
  EXPECT_EQ(layout.HScroll1.Value, 1978);  // 1977.5 goes to even
  EXPECT_EQ(layout.VScroll1.Value, (3696 - 828) / 2);
  EXPECT_TRUE(layout.HScroll1.Visible && layout.VScroll1.Visible);
  EXPECT_EQ(layout.HScroll1.Place.Top, 30 + 828);
  EXPECT_EQ(layout.VScroll1.Place.Left, 50 + 1133);
}

TEST(LayoutTest, DrawingSmallerThanTheWindowIsCentredWithoutBars) {
  Viewport view(common::LytViewport);
  view.Zoom = 3;  // 636 x 462 pixels
  WindowLayout layout = common::LayOutMainWindow(WindowWithDrawingArea(1133, 828), view);
  EXPECT_FALSE(layout.HScroll1.Visible || layout.VScroll1.Visible);
  EXPECT_LT(layout.HScroll1.Maximum, 0);
  // Equal margins on both sides, to the pixel.
  EXPECT_EQ(layout.Picture2Left(), 248);  // 497 pixels to share
  EXPECT_EQ(layout.Picture2Top(), (828 - 462) / 2);
}

TEST(LayoutTest, MinimisedOrTinyWindowsHideTheBarsAndKeepTheScale) {
  Viewport view(common::SktViewport);
  view.Zoom = 24;
  WindowMetrics metrics = WindowWithDrawingArea(600, 480);
  metrics.Minimised = true;
  WindowLayout layout = common::LayOutMainWindow(metrics, view);
  EXPECT_FALSE(layout.HScroll1.Visible || layout.VScroll1.Visible);
  EXPECT_DOUBLE_EQ(view.Scale, 12.0);

  metrics = WindowWithDrawingArea(0, 0);  // an empty drawing area, not a negative one
  metrics.InnerWidth = 20;
  metrics.InnerHeight = 10;
  layout = common::ComputeWindowLayout(metrics, view);
  EXPECT_EQ(std::make_pair(layout.Picture1.Width, layout.Picture1.Height), std::make_pair(0, 0));
}

TEST(LayoutTest, FinestStepAtHighestZoomFitsTheScrollRange) {
  Viewport view(common::SktViewport);
  view.SetGridStep(0.5f);
  view.Zoom = 96;  // 192 pixels per mm, far beyond 16 bits
  WindowLayout layout = common::LayOutMainWindow(WindowWithDrawingArea(600, 480), view);
  EXPECT_EQ(layout.HScroll1.Maximum, 285 * 192 - 600);
  EXPECT_EQ(layout.HScroll1.Value, (285 * 192 - 600) / 2);
}

// Zooming about the pointer, schematic view of 600 x 480 pixels.
class LayoutZoomTest : public ::testing::Test {
 protected:
  Viewport view{common::SktViewport};
  WindowMetrics metrics = WindowWithDrawingArea(600, 480);
};

TEST_F(LayoutZoomTest, PointUnderThePointerComesToTheMiddle) {
  auto layout = common::ZoomAtCursor(ZoomDirection::In, {500, 400}, metrics, view);
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(view.Zoom, 24);
  EXPECT_EQ(layout->HScroll1.Value, 1000 - 300);
  EXPECT_EQ(layout->VScroll1.Value, 800 - 240);
}

TEST_F(LayoutZoomTest, ScrollStopsAtBothEndsOfTheRange) {
  auto nearOrigin = common::ZoomAtCursor(ZoomDirection::In, {10, 10}, metrics, view);
  view = Viewport(common::SktViewport);
  auto nearEnd = common::ZoomAtCursor(ZoomDirection::In, {3410, 2330}, metrics, view);
  ASSERT_TRUE(nearOrigin.has_value() && nearEnd.has_value());
  EXPECT_EQ(std::make_pair(nearOrigin->HScroll1.Value, nearOrigin->VScroll1.Value), std::make_pair(0, 0));
  EXPECT_EQ(nearEnd->HScroll1.Value, nearEnd->HScroll1.Maximum);
  EXPECT_EQ(nearEnd->VScroll1.Value, nearEnd->VScroll1.Maximum);
}

TEST_F(LayoutZoomTest, ZoomBeyondTheLimitChangesNothing) {
  view.Zoom = 1;
  EXPECT_FALSE(common::ZoomAtCursor(ZoomDirection::Out, {0, 0}, metrics, view).has_value());
  EXPECT_EQ(view.Zoom, 1);
  EXPECT_DOUBLE_EQ(view.Scale, 12.0);
}

TEST_F(LayoutZoomTest, AxisThatFitsStaysCentredWhileTheOtherFollows) {
  metrics = WindowWithDrawingArea(1000, 1300);
  auto layout = common::ZoomAtCursor(ZoomDirection::Out, {1710, 1170}, metrics, view);
  ASSERT_TRUE(layout.has_value());  // 1710 x 1170 at Zoom 6
  EXPECT_EQ(layout->HScroll1.Value, 855 - 500);
  EXPECT_EQ(layout->VScroll1.Value, (1170 - 1300) / 2);  // not stuck at the top
}

ScrollBar Bar(int value, int maximum, bool visible = true) {
  ScrollBar bar;
  bar.Value = value;
  bar.Maximum = maximum;
  bar.Visible = visible;
  return bar;
}

TEST(LayoutWarpTest, ScrollsByThePointerOffsetAndBringsItToTheMiddle) {
  // Middle at 101 + 300.5, to even.
  auto warp = common::WarpCursor({450, 300}, {101, 80, 601, 480}, Bar(1000, 3000), Bar(500, 2000));
  ASSERT_TRUE(warp.has_value());
  EXPECT_EQ(std::make_pair(warp->Target.X, warp->Target.Y), std::make_pair(402, 320));
  EXPECT_EQ(std::make_pair(warp->HScrollValue, warp->VScrollValue), std::make_pair(1048, 480));

  // The scroll stops at both ends; a hidden bar stays, the drawing centred.
  common::PixelRect picture1{0, 0, 600, 480};
  auto low = common::WarpCursor({0, 0}, picture1, Bar(100, 3000), Bar(50, 2000));
  auto high = common::WarpCursor({599, 10}, picture1, Bar(2900, 3000), Bar(-65, -130, false));
  ASSERT_TRUE(low.has_value() && high.has_value());
  EXPECT_EQ(std::make_pair(low->HScrollValue, low->VScrollValue), std::make_pair(0, 0));
  EXPECT_EQ(std::make_pair(high->HScrollValue, high->VScrollValue), std::make_pair(3000, -65));
  EXPECT_FALSE(common::WarpCursor({5, 5}, picture1, Bar(-10, -20, false), Bar(100, 400)).has_value());
}

}  // namespace
