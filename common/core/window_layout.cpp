#include "common/core/window_layout.h"

#include "common/core/rounding.h"

#include <algorithm>

namespace common {
namespace {

// The middle of a scroll range: the drawing centred, or, with a negative
// maximum, the small drawing in the middle of the window.
std::int32_t CentredValue(std::int32_t maximum) { return RoundHalfEven(maximum / 2.0); }

ScrollBar HorizontalBar(const WindowMetrics& metrics, const PixelRect& picture1,
                        std::int32_t drawingWidth) {
  ScrollBar bar;
  bar.Place = {ToolPaletteWidth, picture1.Height + metrics.ComboHeight, picture1.Width,
               metrics.HScrollHeight};
  bar.Maximum = drawingWidth - picture1.Width;
  bar.Value = CentredValue(bar.Maximum);
  bar.Visible = picture1.Width < drawingWidth;
  return bar;
}

ScrollBar VerticalBar(const WindowMetrics& metrics, const PixelRect& picture1,
                      std::int32_t drawingHeight) {
  ScrollBar bar;
  bar.Place = {metrics.InnerWidth - metrics.VScrollWidth, metrics.ComboHeight,
               metrics.VScrollWidth, picture1.Height};
  bar.Maximum = drawingHeight - picture1.Height;
  bar.Value = CentredValue(bar.Maximum);
  bar.Visible = picture1.Height < drawingHeight;
  return bar;
}

// A window too small for its bars and strips gets an empty drawing area
// rather than a negative size.
PixelRect Picture1Place(const WindowMetrics& metrics) {
  std::int32_t width = metrics.InnerWidth - metrics.VScrollWidth - ToolPaletteWidth;
  std::int32_t height = metrics.InnerHeight - metrics.HScrollHeight - metrics.StatusBarHeight -
                        metrics.ComboHeight;
  return {ToolPaletteWidth, metrics.ComboHeight, std::max(width, 0), std::max(height, 0)};
}

// Scroll value that puts drawing pixel `point` in the middle of the visible
// length, kept inside the range.
std::int32_t ValueBringingToMiddle(std::int32_t point, std::int32_t visibleLength,
                                   const ScrollBar& bar) {
  std::int32_t wanted = RoundHalfEven(point - visibleLength / 2.0);
  if (wanted < 0) return 0;
  if (wanted > bar.Maximum) return bar.Maximum;
  return wanted;
}

// A hidden bar keeps its value: the drawing stays centred on that axis.
std::int32_t ValueFollowingPointer(const ScrollBar& bar, std::int32_t offset) {
  if (!bar.Visible) return bar.Value;
  std::int64_t wanted = static_cast<std::int64_t>(bar.Value) + offset;
  if (wanted > bar.Maximum) return bar.Maximum;
  if (wanted < bar.Minimum) return bar.Minimum;
  return static_cast<std::int32_t>(wanted);
}

}  // namespace

WindowLayout ComputeWindowLayout(const WindowMetrics& metrics, const Viewport& viewport) {
  WindowLayout layout;
  if (metrics.Minimised) {
    layout.Minimised = true;
    layout.Scale = viewport.Scale;
    return layout;
  }
  Viewport scaled = viewport;
  scaled.Scale = viewport.ScaleForZoom();
  layout.Scale = scaled.Scale;
  layout.Picture2Width = scaled.MmToPixels(viewport.SheetWidth);
  layout.Picture2Height = scaled.MmToPixels(viewport.SheetHeight);
  layout.Picture1 = Picture1Place(metrics);
  layout.HScroll1 = HorizontalBar(metrics, layout.Picture1, layout.Picture2Width);
  layout.VScroll1 = VerticalBar(metrics, layout.Picture1, layout.Picture2Height);
  return layout;
}

WindowLayout LayOutMainWindow(const WindowMetrics& metrics, Viewport& viewport) {
  WindowLayout layout = ComputeWindowLayout(metrics, viewport);
  if (!layout.Minimised) viewport.Scale = layout.Scale;
  return layout;
}

std::optional<WindowLayout> ZoomAtCursor(ZoomDirection direction, PixelPoint cursorInDrawing,
                                         const WindowMetrics& metrics, Viewport& viewport) {
  if (!viewport.CanZoom(direction)) return std::nullopt;
  MmPoint underCursor{viewport.PixelsToMm(cursorInDrawing.X),
                      viewport.PixelsToMm(cursorInDrawing.Y)};
  viewport.StepZoom(direction);
  WindowLayout layout = LayOutMainWindow(metrics, viewport);
  if (layout.Minimised) return layout;
  // An axis on which the whole drawing fits stays centred.
  if (layout.Picture2Width >= layout.Picture1.Width)
    layout.HScroll1.Value = ValueBringingToMiddle(viewport.MmToPixels(underCursor.X),
                                                  layout.Picture1.Width, layout.HScroll1);
  if (layout.Picture2Height >= layout.Picture1.Height)
    layout.VScroll1.Value = ValueBringingToMiddle(viewport.MmToPixels(underCursor.Y),
                                                  layout.Picture1.Height, layout.VScroll1);
  return layout;
}

std::optional<CursorWarp> WarpCursor(PixelPoint screenCursor, const PixelRect& picture1OnScreen,
                                     const ScrollBar& hScroll, const ScrollBar& vScroll) {
  if (!hScroll.Visible) return std::nullopt;
  PixelPoint centre{RoundHalfEven(picture1OnScreen.Left + picture1OnScreen.Width / 2.0),
                    RoundHalfEven(picture1OnScreen.Top + picture1OnScreen.Height / 2.0)};
  CursorWarp warp;
  warp.HScrollValue = ValueFollowingPointer(hScroll, screenCursor.X - centre.X);
  warp.VScrollValue = ValueFollowingPointer(vScroll, screenCursor.Y - centre.Y);
  warp.Target = centre;
  return warp;
}

}  // namespace common
