#include "common/core/viewport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using common::Viewport;
using common::ZoomDirection;

TEST(ViewportTest, NewBoardIsTwentyFourPixelsPerStep) {
  Viewport view(common::LytViewport);
  EXPECT_NEAR(view.Scale, 18.898, 0.001);
  EXPECT_EQ(view.MmToPixels(view.SheetWidth), 5088);
  EXPECT_EQ(view.MmToPixels(view.SheetHeight), 3696);
  EXPECT_EQ(view.MmToPixels(10 * 1.27f), 240);
}

TEST(ViewportTest, PixelConversionRoundsHalvesToEven) {
  Viewport view(common::SktViewport);  // 12 pixels per mm
  EXPECT_EQ(view.MmToPixels(0.125f), 2);  // 1.5
  EXPECT_EQ(view.MmToPixels(0.375f), 4);  // 4.5
  EXPECT_FLOAT_EQ(view.PixelsToMm(-6), -0.5f);
  EXPECT_FLOAT_EQ(view.PointerToMm(17.5f), 1.5f);  // the pointer is rounded to 18 first
}

TEST(ViewportTest, SnappingSendsHalvesUpAndCanBeTurnedOff) {
  Viewport view(common::SktViewport);
  EXPECT_FLOAT_EQ(view.SnapX(2.5f), 3.0f);
  EXPECT_FLOAT_EQ(view.SnapX(-0.5f), 0.0f);
  EXPECT_FLOAT_EQ(view.SnapX(2.49f), 2.0f);
  view.SnapToGrid = false;
  EXPECT_FLOAT_EQ(view.SnapX(2.49f), 2.49f);
  EXPECT_FLOAT_EQ(view.SnapY(-0.3f), -0.3f);
  EXPECT_FLOAT_EQ(view.GridRoundX(2.49f), 2.0f);  // the grid drawing still rounds
}

TEST(ViewportTest, BoardAxesSnapToTheirOwnStepsButShareOneScale) {
  Viewport view(common::LytViewport);
  view.GridStepY = 1.0f;
  EXPECT_FLOAT_EQ(view.SnapX(3.3f), 3.81f);
  EXPECT_FLOAT_EQ(view.SnapY(3.3f), 3.0f);
  EXPECT_DOUBLE_EQ(view.ScaleForZoom(), 24 / static_cast<double>(1.27f));
}

std::vector<int> ZoomChain(int start, ZoomDirection direction) {
  Viewport view(common::LytViewport);
  view.Zoom = start;
  std::vector<int> chain;
  while (view.StepZoom(direction)) chain.push_back(view.Zoom);
  return chain;
}

TEST(ViewportZoomTest, DoublingStopsAtNinetySixAndHalvingAtOne) {
  EXPECT_EQ(ZoomChain(24, ZoomDirection::In), (std::vector<int>{48, 96}));
  EXPECT_EQ(ZoomChain(1, ZoomDirection::In), (std::vector<int>{2, 4, 8, 16, 32, 64}));
  EXPECT_EQ(ZoomChain(24, ZoomDirection::Out), (std::vector<int>{12, 6, 3, 1}));
  EXPECT_TRUE(ZoomChain(1, ZoomDirection::Out).empty());
}

}  // namespace
