#pragma once

#include "common/core/viewport.h"

#include <cstdint>
#include <optional>

namespace common {

struct PixelRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

// The main window as the layout sees it, in pixels.
struct WindowMetrics {
  std::int32_t InnerWidth = 0;
  std::int32_t InnerHeight = 0;
  bool Minimised = false;
  std::int32_t ComboHeight = 0;  // the row of size lists above the drawing
  std::int32_t VScrollWidth = 0;
  std::int32_t HScrollHeight = 0;
  std::int32_t StatusBarHeight = 0;
};

// Scroll ranges are 32-bit, so no zoom or grid step can overflow them.
struct ScrollBar {
  PixelRect Place;
  std::int32_t Minimum = 0;
  std::int32_t Maximum = 0;  // negative when the drawing is smaller than the window
  std::int32_t Value = 0;
  bool Visible = false;
  std::int32_t SmallChange = 1;  // an arrow click, a wheel notch: a tenth of the view
  std::int32_t LargeChange = 1;  // a click beside the thumb: the whole view
};

// Where everything of the drawing area goes. Picture2 sits at minus the
// scroll values inside Picture1, so a negative value centres a small drawing.
struct WindowLayout {
  // Minimised: both bars hidden, nothing else is touched (Scale included).
  bool Minimised = false;
  double Scale = 0.0;
  std::int32_t Picture2Width = 0;
  std::int32_t Picture2Height = 0;
  PixelRect Picture1;
  ScrollBar HScroll1;
  ScrollBar VScroll1;

  std::int32_t Picture2Left() const { return -HScroll1.Value; }
  std::int32_t Picture2Top() const { return -VScroll1.Value; }
};

// Width of the tool palette left of the drawing area.
inline constexpr std::int32_t ToolPaletteWidth = 50;

// The layout for the viewport's current zoom and step, view centred.
WindowLayout ComputeWindowLayout(const WindowMetrics& metrics, const Viewport& viewport);

// The same, taking the new Scale into the viewport (unless minimised).
WindowLayout LayOutMainWindow(const WindowMetrics& metrics, Viewport& viewport);

// Zooms in or out and scrolls so that the point under the pointer (a
// drawing-area position, taken at the old zoom) comes to the middle of
// Picture1, as far as the scroll ranges allow. Nothing when the zoom limit
// refuses. The caller applies the layout and redraws.
std::optional<WindowLayout> ZoomAtCursor(ZoomDirection direction, PixelPoint cursorInDrawing,
                                         const WindowMetrics& metrics, Viewport& viewport);

// The drawing-area pixel in the middle of what Picture1 shows, and whether a
// drawing-area pixel is shown at all.
PixelPoint VisibleMiddle(const WindowLayout& layout);
bool IsShown(const WindowLayout& layout, PixelPoint point);

// Whether the part of `box` (mm) that lies on the sheet is shown whole.
bool ShowsWhole(const WindowLayout& layout, const Viewport& viewport, const MmBox& box);

// The value of a bar moved by `pixels`, kept inside its range; a hidden bar
// keeps its value (its axis stays centred).
std::int32_t ScrolledValue(const ScrollBar& bar, std::int64_t pixels);

// Zoom Tout: the largest zoom at which the part of `extent` (mm) on the sheet
// fits in Picture1, scrolled so that its middle is in the middle of Picture1
// as far as the ranges allow. Nothing changes while the window is minimised.
WindowLayout FrameExtent(const MmBox& extent, const WindowMetrics& metrics, Viewport& viewport);

struct CursorWarp {
  std::int32_t HScrollValue = 0;
  std::int32_t VScrollValue = 0;
  PixelPoint Target;  // screen position to move the pointer to
};

// 'C' held down: scrolls by the pointer's offset from the middle of Picture1
// and brings the pointer back there. Nothing when HScroll1 is hidden.
std::optional<CursorWarp> WarpCursor(PixelPoint screenCursor, const PixelRect& picture1OnScreen,
                                     const ScrollBar& hScroll, const ScrollBar& vScroll);

}  // namespace common
