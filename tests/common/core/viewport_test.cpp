// The viewport: pixels and millimetres, snapping, zoom, the window layout
// that follows from them, the grid drawing, the schematic's grid-step texts
// (the board's are seen through its editor) and the conversion for printing.
#include "common/core/grid_drawing.h"
#include "common/core/grid_step_input.h"
#include "common/core/print_conversion.h"
#include "common/core/viewport.h"
#include "common/core/window_layout.h"

#include "support/recording_canvas.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <set>
#include <vector>

namespace {

using common::Viewport;
using common::WindowMetrics;
using common::ZoomDirection;

// The board's sheet in pixels, and its scale following the grid step, are
// seen through the editor's tests.
TEST(ViewportTest, ConversionsRoundHalvesToEvenAndSnappingSendsThemUp) {
  Viewport skt(common::SktViewport);  // 12 pixels per mm; the pointer is rounded (to 18) first
  EXPECT_EQ(std::make_tuple(skt.MmToPixels(0.125f), skt.MmToPixels(0.375f), skt.PixelsToMm(-6),
                            skt.PointerToMm(17.5f), skt.SnapX(2.5f)),
            std::make_tuple(2, 4, -0.5f, 1.5f, 3.0f));
  skt.SnapToGrid = false;  // the grid drawing still rounds
  EXPECT_EQ(std::make_pair(skt.SnapY(-0.3f), skt.GridRoundX(2.49f)), std::make_pair(-0.3f, 2.0f));
  Viewport board(common::LytViewport);  // axes snap to their own steps
  board.SetGridSteps(2.54f, 1.0f);
  EXPECT_EQ(std::make_pair(board.SnapX(3.3f), board.SnapY(3.3f)), std::make_pair(2.54f, 3.0f));
}

// Bars 17 pixels thick, a 25-pixel status bar and a 30-pixel row of lists.
WindowMetrics WindowWithDrawingArea(int width, int height) {
  return {width + 17 + common::ToolPaletteWidth, height + 17 + 25 + 30, false, 30, 17, 17, 25};
}

// The drawing centred in Picture1: scroll values to even, bars only when
// needed, 32-bit ranges even for the finest step at the highest zoom; none
// at all in a minimised window, and never a negative drawing area.
TEST(LayoutTest, DrawingIsCentredWithBarsOnlyWhenNeeded) {
  // Zoom, step, Picture1's width and height, bars, horizontal maximum, scroll values.
  const std::tuple<const common::ViewportConfig&, int, float, int, int, bool, int, int, int> cases[] = {
      {common::LytViewport, 24, 1.27f, 1133, 828, true, 5088 - 1133, 1978, (3696 - 828) / 2},  // 1977.5
      {common::LytViewport, 3, 1.27f, 1133, 828, false, 636 - 1133, -248, -(828 - 462) / 2},   // -248.5
      {common::SktViewport, 96, common::SmallestGridStep, 600, 480, true, 285 * 192 - 600,
       (285 * 192 - 600) / 2, (195 * 192 - 480) / 2}};
  for (const auto& [config, zoom, step, width, height, bars, hMaximum, hValue, vValue] : cases) {
    SCOPED_TRACE(zoom);
    Viewport view(config);
    std::tie(view.Zoom, view.GridStepX, view.GridStepY, view.Scale) = std::make_tuple(zoom, step, step, 1.0);
    const auto layout = common::LayOutMainWindow(WindowWithDrawingArea(width, height), view);
    EXPECT_DOUBLE_EQ(view.Scale, view.ScaleForZoom());
    EXPECT_EQ(std::make_tuple(layout.HScroll1.Visible, layout.VScroll1.Visible, layout.HScroll1.Maximum,
                              layout.HScroll1.Value, layout.VScroll1.Value),
              std::make_tuple(bars, bars, hMaximum, hValue, vValue));
    EXPECT_EQ(std::make_pair(layout.HScroll1.Place.Top, layout.VScroll1.Place.Left),
              std::make_pair(30 + height, 50 + width));
  }
  Viewport view(common::SktViewport);
  view.Zoom = 24;
  const auto minimised = common::LayOutMainWindow({800, 600, true, 30, 17, 17, 25}, view);
  EXPECT_FALSE(minimised.HScroll1.Visible || minimised.VScroll1.Visible);
  EXPECT_DOUBLE_EQ(view.Scale, 12.0);
  const auto tiny = common::ComputeWindowLayout({20, 10, false, 30, 17, 17, 25}, view);
  EXPECT_EQ(std::make_pair(tiny.Picture1.Width, tiny.Picture1.Height), std::make_pair(0, 0));
}

// Zooming about the pointer in a schematic view: the point under it comes to
// the middle as far as the scroll ranges allow; no zoom past the last one.
TEST(LayoutTest, ZoomAtCursorScrollsThePointToTheMiddleWithinTheRange) {
  constexpr int Maximum = std::numeric_limits<int>::min();  // the bar's maximum
  const std::tuple<ZoomDirection, common::PixelPoint, WindowMetrics, int, int> cases[] = {
      {ZoomDirection::In, {500, 400}, WindowWithDrawingArea(600, 480), 1000 - 300, 800 - 240},
      {ZoomDirection::In, {10, 10}, WindowWithDrawingArea(600, 480), 0, 0},
      {ZoomDirection::In, {3410, 2330}, WindowWithDrawingArea(600, 480), Maximum, Maximum},
      // At Zoom 6 the drawing is 1710 x 1170: the axis that fits stays centred.
      {ZoomDirection::Out, {1710, 1170}, WindowWithDrawingArea(1000, 1300), 855 - 500, (1170 - 1300) / 2}};
  for (const auto& [direction, cursor, metrics, hValue, vValue] : cases) {
    SCOPED_TRACE(cursor.X);
    Viewport view(common::SktViewport);
    const auto layout = common::ZoomAtCursor(direction, cursor, metrics, view);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->HScroll1.Value, hValue == Maximum ? layout->HScroll1.Maximum : hValue);
    EXPECT_EQ(layout->VScroll1.Value, vValue == Maximum ? layout->VScroll1.Maximum : vValue);
  }
  Viewport view(common::SktViewport);
  view.Zoom = 1;
  EXPECT_FALSE(common::ZoomAtCursor(ZoomDirection::Out, {0, 0}, WindowWithDrawingArea(600, 480), view));
  EXPECT_EQ(std::make_pair(view.Zoom, view.Scale), std::make_pair(1, 12.0));
}

common::ScrollBar Bar(int value, int maximum, bool shown = true) { return {{}, 0, maximum, value, shown}; }

// The pointer goes to the middle (101 + 300.5, to even) and the scroll
// moves by its offset from there (the editor's C key tests that), stopping
// at both ends; a hidden bar stays, the drawing centred.
TEST(LayoutTest, WarpScrollsByThePointerOffsetAndBringsItToTheMiddle) {
  const common::PixelRect picture1{101, 80, 601, 480};
  auto low = common::WarpCursor({0, 0}, picture1, Bar(100, 3000), Bar(50, 2000));
  auto high = common::WarpCursor({700, 10}, picture1, Bar(2900, 3000), Bar(-65, -130, false));
  ASSERT_TRUE(low.has_value() && high.has_value());
  EXPECT_EQ(std::make_tuple(low->Target.X, low->Target.Y, low->HScrollValue, low->VScrollValue,
                            high->HScrollValue, high->VScrollValue),
            std::make_tuple(402, 320, 0, 0, 3000, -65));
  EXPECT_FALSE(common::WarpCursor({5, 5}, picture1, Bar(-10, -20, false), Bar(100, 400)).has_value());
}

// One highlight dot per grid point of the visible part, up to its far edges,
// but none when hidden (1), under zoom 7, or while the bars (2) or the C key
// (4) move the view. The centre mark, arms of 2.54 mm about the middle of
// the board (134.62, 97.79) mm one pixel wide, is always drawn.
TEST(GridDrawingTest, DotsCoverTheVisiblePartAndTheCentreMarkIsAlwaysThere) {
  // Viewport, zoom, steps, what stops the dots, Picture2's offset in Picture1
  // and Picture1's size, then the first, last and count of the columns and rows.
  using Config = const common::ViewportConfig&;
  using Extent = std::array<int, 3>;
  const std::tuple<Config, int, float, float, int, common::PixelRect, Extent, Extent> cases[] = {
      // Drawing pixels 1410..2010 x 930..1410: grid lines 117..167 mm and 77..117 mm.
      {common::SktViewport, 12, 1, 1, 0, {-1410, -930, 600, 480}, {1404, 2004, 51}, {924, 1404, 41}},
      // 212 steps across, 154 down: the far lines are not lost to rounding.
      {common::LytViewport, 24, 1.27f, 1.27f, 0, {0, 0, 5088, 3696}, {0, 5088, 213}, {0, 3696, 155}},
      // Rows 0.4 pixel apart.
      {common::LytViewport, 8, common::LargestGridStep, common::SmallestGridStep, 0, {0, 0, 80, 40},
       {0, 80, 11}, {0, 40, 41}},
      {common::LytViewport, 7, 1.27f, 1.27f, 0, {0, 0, 35, 14}, {0, 35, 6}, {0, 14, 3}},
      {common::LytViewport, 6, 1.27f, 1.27f, 0, {0, 0, 600, 480}, {}, {}},
      {common::LytViewport, 24, 1.27f, 1.27f, 1, {0, 0, 600, 480}, {}, {}},
      {common::LytViewport, 24, 1.27f, 1.27f, 2, {0, 0, 600, 480}, {}, {}},
      {common::LytViewport, 24, 1.27f, 1.27f, 4, {0, 0, 600, 480}, {}, {}}};
  for (const auto& [config, zoom, stepX, stepY, stops, visible, columnsDrawn, rowsDrawn] : cases) {
    SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", stopped by " << stops);
    Viewport view(config);
    std::tie(view.Zoom, view.GridStepX, view.GridStepY) = std::make_tuple(zoom, stepX, stepY);
    std::tie(view.ShowGrid, view.ScrollFocus, view.CentringKey) =
        std::make_tuple(!(stops & 1), stops & 2, stops & 4);
    view.Scale = view.ScaleForZoom();
    testing_support::RecordingCanvas canvas;
    canvas.Width = 3;
    common::DrawGridAndCentreMark(view, visible.Left, visible.Top, visible.Width, visible.Height, canvas);
    std::set<int> columns, rows;
    for (const auto& [point, colour] : canvas.Pixels) {
      columns.insert(point.first);
      rows.insert(point.second);
      EXPECT_EQ(colour, canvas.Highlight);
    }
    auto extent = [](const std::set<int>& s) {
      return s.empty() ? Extent{} : Extent{*s.begin(), *s.rbegin(), static_cast<int>(s.size())};
    };
    EXPECT_EQ(std::make_pair(extent(columns), extent(rows)), std::make_pair(columnsDrawn, rowsDrawn));
    EXPECT_EQ(canvas.Pixels.size(), columns.size() * rows.size());
    std::vector<std::array<int, 6>> lines;
    for (const auto& l : canvas.Lines())
      lines.push_back({l.X1, l.Y1, l.X2, l.Y2, l.Width, l.Colour == canvas.Highlight});
    ASSERT_EQ(lines.size(), 2u);
    if (&config != &common::LytViewport || zoom != 24) continue;
    EXPECT_EQ(lines, (decltype(lines){{2496, 1848, 2592, 1848, 1, 1}, {2544, 1800, 2544, 1896, 1, 1}}));
  }
}

// The schematic's grid-step box: asked again until the step is in range or
// the answer empty, always proposing the step it started with. Its one step
// panel uses the user's decimal separator (the pointer panels are seen
// through the board editor).
TEST(ViewportStatusTest, SchematicGridStepBoxAndPanel) {
  const std::tuple<std::vector<const char*>, float, std::string> cases[] = {  // answers, step, panel 1
      {{"0,5", "12", "0.49", "0.5mm"}, 0.5f, "  Pas de la grille :0,5mm   "},
      {{"10"}, 10.0f, "  Pas de la grille :10mm   "}, {{"12", ""}, 1.5f, ""}};
  for (const auto& [answers, step, status] : cases) {
    SCOPED_TRACE(answers.front());
    Viewport view(common::SktViewport);
    view.SetGridStep(1.5f);
    testing_support::ScriptedUi ui;
    ui.Separator = ',';
    ui.InputAnswers.assign(answers.begin(), answers.end());
    EXPECT_EQ(common::AskGridStep(view, ui), !status.empty());
    EXPECT_FLOAT_EQ(view.GridStep(), step);
    ASSERT_EQ(ui.Inputs.size(), answers.size());
    for (const auto& input : ui.Inputs) EXPECT_EQ(input.Default, "1.5") << "read back with a full stop";
    EXPECT_EQ(ui.Status[1], status);
  }
}

constexpr double k600Dpi = 25.4 / 600;

// The board goes through screen pixels at zoom 16 (whatever the window's
// zoom), then printer dots times the scale; the schematic through sixteenths
// of a millimetre. The editor's print tests hold the scales.
TEST(PrintConversion, ScreenPixelsThenPrinterDotsTimesTheScale) {
  common::Viewport view(common::LytViewport);
  const common::PrintConversion print(view, k600Dpi, 25.4 / 300, 1.0f);
  EXPECT_EQ(std::make_pair(print.X(25.4f), print.Y(25.4f)), std::make_pair(600, 300));  // oblong dots
  EXPECT_EQ(print.X(10.0f), 236);   // 126 screen pixels (not 125.98) times 1.875
  EXPECT_EQ(print.Size(0.01f), 1);  // under half a screen pixel, still a dot
  // Exact binary numbers, 2 dots per screen pixel, scale 1/4: 1.5 and 2.5 go to even.
  view.GridStepX = 1.25f;
  const common::PrintConversion exact(view, 0.0390625, 0.0390625, 0.25f);
  EXPECT_EQ(std::make_pair(exact.X(0.234375f), exact.X(0.390625f)), std::make_pair(2, 2));

  const common::PrintConversion schematic(common::Viewport(common::SktViewport), k600Dpi, k600Dpi, 1.0f);
  EXPECT_EQ(schematic.X(10.0f), 236);  // 160 screen pixels, true to size
  EXPECT_EQ(schematic.X(0.03f), 0);    // under half a sixteenth: nothing, not 0.7 dot
  EXPECT_EQ(schematic.Y(0.0625f), 1);  // one sixteenth: 1.48 dots
}

}  // namespace
