#include "common/core/window_layout.h"

#include "common/core/rounding.h"

#include <algorithm>

namespace common {
namespace {

// The middle of a scroll range: the drawing centred, or, with a negative
// maximum, the small drawing in the middle of the window.
std::int32_t CentredValue(std::int32_t maximum) { return RoundHalfEven(maximum / 2.0); }

// Arrows and wheel notches move a tenth of the visible length.
void SetChanges(ScrollBar& bar, std::int32_t visibleLength) {
  bar.LargeChange = std::max(visibleLength, 1);
  bar.SmallChange = std::max(visibleLength / 10, 1);
}

// A few black pixels around a framed drawing, so that no edge of it touches
// the border of the view.
constexpr std::int32_t FrameMargin = 8;

ScrollBar HorizontalBar(const WindowMetrics& metrics, const PixelRect& picture1,
                        std::int32_t drawingWidth) {
  ScrollBar bar;
  bar.Place = {ToolPaletteWidth, picture1.Height + metrics.ComboHeight, picture1.Width,
               metrics.HScrollHeight};
  bar.Maximum = drawingWidth - picture1.Width;
  bar.Value = CentredValue(bar.Maximum);
  bar.Visible = picture1.Width < drawingWidth;
  SetChanges(bar, picture1.Width);
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
  SetChanges(bar, picture1.Height);
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

// The part of a box that lies on the sheet: nothing beyond it can be shown.
MmBox OnSheet(const MmBox& box, const Viewport& viewport) {
  auto clampX = [&](float x) { return std::clamp(x, 0.0f, viewport.SheetWidth); };
  auto clampY = [&](float y) { return std::clamp(y, 0.0f, viewport.SheetHeight); };
  return {clampX(box.Left), clampY(box.Top), clampX(box.Right), clampY(box.Bottom)};
}

// The zoom from MaxZoom down whose pixels of `box`, with the margin, fit in
// the view; 1 when none does.
std::int32_t LargestZoomShowing(const MmBox& box, const PixelRect& view, const Viewport& viewport) {
  Viewport trial = viewport;
  for (trial.Zoom = Viewport::MaxZoom; trial.Zoom > 1; --trial.Zoom) {
    trial.Scale = trial.ScaleForZoom();
    const std::int32_t width = trial.MmToPixels(box.Right) - trial.MmToPixels(box.Left);
    const std::int32_t height = trial.MmToPixels(box.Bottom) - trial.MmToPixels(box.Top);
    if (width + 2 * FrameMargin <= view.Width && height + 2 * FrameMargin <= view.Height) break;
  }
  return trial.Zoom;
}

}  // namespace

PixelPoint VisibleMiddle(const WindowLayout& layout) {
  return {layout.HScroll1.Value + layout.Picture1.Width / 2,
          layout.VScroll1.Value + layout.Picture1.Height / 2};
}

bool IsShown(const WindowLayout& layout, PixelPoint point) {
  return point.X >= layout.HScroll1.Value && point.X < layout.HScroll1.Value + layout.Picture1.Width &&
         point.Y >= layout.VScroll1.Value && point.Y < layout.VScroll1.Value + layout.Picture1.Height;
}

bool ShowsWhole(const WindowLayout& layout, const Viewport& viewport, const MmBox& box) {
  const MmBox shown = OnSheet(box, viewport);
  return IsShown(layout, {viewport.MmToPixels(shown.Left), viewport.MmToPixels(shown.Top)}) &&
         IsShown(layout, {viewport.MmToPixels(shown.Right), viewport.MmToPixels(shown.Bottom)});
}

std::int32_t ScrolledValue(const ScrollBar& bar, std::int64_t pixels) {
  if (!bar.Visible) return bar.Value;
  const std::int64_t wanted = static_cast<std::int64_t>(bar.Value) + pixels;
  if (wanted > bar.Maximum) return bar.Maximum;
  if (wanted < bar.Minimum) return bar.Minimum;
  return static_cast<std::int32_t>(wanted);
}

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

WindowLayout FrameExtent(const MmBox& extent, const WindowMetrics& metrics, Viewport& viewport) {
  if (metrics.Minimised) return ComputeWindowLayout(metrics, viewport);
  const MmBox shown = OnSheet(extent, viewport);
  viewport.Zoom = LargestZoomShowing(shown, Picture1Place(metrics), viewport);
  WindowLayout layout = LayOutMainWindow(metrics, viewport);
  const PixelPoint middle{viewport.MmToPixels((shown.Left + shown.Right) / 2),
                          viewport.MmToPixels((shown.Top + shown.Bottom) / 2)};
  // As when zooming: an axis on which the whole drawing fits stays centred.
  if (layout.HScroll1.Visible)
    layout.HScroll1.Value = ValueBringingToMiddle(middle.X, layout.Picture1.Width, layout.HScroll1);
  if (layout.VScroll1.Visible)
    layout.VScroll1.Value = ValueBringingToMiddle(middle.Y, layout.Picture1.Height, layout.VScroll1);
  return layout;
}

std::optional<CursorWarp> WarpCursor(PixelPoint screenCursor, const PixelRect& picture1OnScreen,
                                     const ScrollBar& hScroll, const ScrollBar& vScroll) {
  if (!hScroll.Visible) return std::nullopt;
  PixelPoint centre{RoundHalfEven(picture1OnScreen.Left + picture1OnScreen.Width / 2.0),
                    RoundHalfEven(picture1OnScreen.Top + picture1OnScreen.Height / 2.0)};
  CursorWarp warp;
  warp.HScrollValue = ScrolledValue(hScroll, screenCursor.X - centre.X);
  warp.VScrollValue = ScrolledValue(vScroll, screenCursor.Y - centre.Y);
  warp.Target = centre;
  return warp;
}

}  // namespace common
