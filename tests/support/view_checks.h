#pragma once

#include "common/core/viewport.h"
#include "common/core/window_layout.h"

#include <gtest/gtest.h>

namespace testing_support {

// Zoom Tout's promise for `box` (mm): shown whole, its middle in the middle
// of the view (away from the sheet's edges), and one zoom step more would
// not fit with the few pixels of margin left around it.
inline void ExpectFramed(const common::WindowLayout& layout, const common::Viewport& view,
                         const common::MmBox& box) {
  EXPECT_TRUE(common::ShowsWhole(layout, view, box));
  const common::PixelPoint middle = common::VisibleMiddle(layout);
  EXPECT_NEAR(view.MmToPixels((box.Left + box.Right) / 2), middle.X, 1);
  EXPECT_NEAR(view.MmToPixels((box.Top + box.Bottom) / 2), middle.Y, 1);
  common::Viewport closer = view;
  ++closer.Zoom;
  closer.Scale = closer.ScaleForZoom();
  const int width = closer.MmToPixels(box.Right) - closer.MmToPixels(box.Left);
  const int height = closer.MmToPixels(box.Bottom) - closer.MmToPixels(box.Top);
  EXPECT_TRUE(width + 16 > layout.Picture1.Width || height + 16 > layout.Picture1.Height);
}

}  // namespace testing_support
