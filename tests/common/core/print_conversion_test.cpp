#include "common/core/print_conversion.h"

#include <gtest/gtest.h>

namespace {

using common::PrintConversion;

constexpr double k600Dpi = 25.4 / 600;

// The board goes through screen pixels at zoom 16 (whatever the window's
// zoom), then printer dots times the scale; the schematic through sixteenths
// of a millimetre. The editor's print tests hold the scales.
TEST(PrintConversion, ScreenPixelsThenPrinterDotsTimesTheScale) {
  common::Viewport view(common::LytViewport);
  const PrintConversion print(view, k600Dpi, 25.4 / 300, 1.0f);
  EXPECT_EQ(std::make_pair(print.X(25.4f), print.Y(25.4f)), std::make_pair(600, 300));  // oblong dots
  EXPECT_EQ(print.X(10.0f), 236);   // 126 screen pixels (not 125.98) times 1.875
  EXPECT_EQ(print.Size(0.01f), 1);  // under half a screen pixel, still a dot
  // Exact binary numbers, 2 dots per screen pixel, scale 1/4: 1.5 and 2.5 go to even.
  view.GridStepX = 1.25f;
  const PrintConversion exact(view, 0.0390625, 0.0390625, 0.25f);
  EXPECT_EQ(std::make_pair(exact.X(0.234375f), exact.X(0.390625f)), std::make_pair(2, 2));

  const PrintConversion schematic(common::Viewport(common::SktViewport), k600Dpi, k600Dpi, 1.0f);
  EXPECT_EQ(schematic.X(10.0f), 236);  // 160 screen pixels, true to size
  EXPECT_EQ(schematic.X(0.03f), 0);    // under half a sixteenth: nothing, not 0.7 dot
  EXPECT_EQ(schematic.Y(0.0625f), 1);  // one sixteenth: 1.48 dots
}

}  // namespace
