#include "common/core/print_conversion.h"

#include <gtest/gtest.h>

namespace {

using common::PrintConversion;

constexpr double k600Dpi = 25.4 / 600;

TEST(PrintConversion, ScreenPixelsAtZoom16ThenPrinterDotsTimesTheScale) {
  common::Viewport view(common::LytViewport);
  view.Zoom = 96;  // the window's zoom plays no part, and is left alone
  view.Scale = view.ScaleForZoom();
  const PrintConversion print(view, k600Dpi, 25.4 / 300, 1.0f);
  EXPECT_EQ(view.Zoom, 96);
  EXPECT_EQ(print.X(25.4f), 600);   // an inch is an inch
  EXPECT_EQ(print.Y(25.4f), 300);   // oblong printer dots: y has its own factor
  EXPECT_EQ(print.X(10.0f), 236);   // 126 screen pixels (not 125.98) times 1.875
  EXPECT_EQ(print.Size(0.01f), 1);  // under half a screen pixel, still a dot
  EXPECT_EQ(PrintConversion(view, k600Dpi, k600Dpi, 2.0f).X(25.4f), 1200);
  EXPECT_EQ(PrintConversion(view, 25.4 / 1200, k600Dpi, 1.0f).X(25.4f), 1200);
  // Exact binary numbers, 2 dots per screen pixel, scale 1/4: halves to even.
  view.GridStepX = 1.25f;
  const PrintConversion exact(view, 0.0390625, 0.0390625, 0.25f);
  EXPECT_EQ(exact.X(0.234375f), 2);  // 3 screen pixels: 1.5
  EXPECT_EQ(exact.X(0.390625f), 2);  // 5 screen pixels: 2.5
}

TEST(PrintConversion, SchematicIsResolvedToASixteenthOfAMillimetreFirst) {
  const PrintConversion print(common::Viewport(common::SktViewport), k600Dpi, k600Dpi, 1.0f);
  EXPECT_EQ(print.X(10.0f), 236);   // 160 screen pixels, true to size
  EXPECT_EQ(print.X(0.03f), 0);     // under half a sixteenth: nothing, not 0.7 dot
  EXPECT_EQ(print.Y(0.0625f), 1);   // one sixteenth: 1.48 dots
}

}  // namespace
