// The viewport: pixels and millimetres, snapping, zoom, the window layout
// that follows from them, the grid drawing and the schematic's grid-step
// texts (the board's are seen through its editor).
#include "common/core/grid_drawing.h"
#include "common/core/grid_step_input.h"
#include "common/core/viewport.h"
#include "common/core/window_layout.h"

#include "support/recording_canvas.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <tuple>
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
                            skt.PointerToMm(17.5f), skt.SnapX(2.5f), skt.SnapX(-1.5f)),
            std::make_tuple(2, 4, -0.5f, 1.5f, 3.0f, -1.0f));
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
// needed, 32-bit ranges even for the finest step at the highest zoom; never
// a negative drawing area; no zoom out beyond the last.
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
  const auto tiny = common::ComputeWindowLayout({20, 10, false, 30, 17, 17, 25}, view);
  EXPECT_EQ(std::make_pair(tiny.Picture1.Width, tiny.Picture1.Height), std::make_pair(0, 0));
  // Zooming about the pointer (which the board's view tests follow) goes no
  // further than the last zoom.
  view.Zoom = 1;
  EXPECT_FALSE(common::ZoomAtCursor(ZoomDirection::Out, {0, 0}, WindowWithDrawingArea(600, 480), view));
  EXPECT_EQ(std::make_pair(view.Zoom, view.Scale), std::make_pair(1, 12.0));
}

// One highlight dot per grid point of the visible part, up to its far edges,
// but none when hidden (1), under zoom 7, or while the bars (2) or the C key
// (4) move the view; the centre mark is always drawn.
TEST(GridDrawingTest, DotsCoverTheVisiblePartAndTheCentreMarkIsAlwaysThere) {
  // Viewport, zoom, what stops the dots, Picture2's offset in Picture1 and
  // Picture1's size, then the first and last dot and their number.
  using Config = const common::ViewportConfig&;
  using Dot = std::pair<int, int>;
  const std::tuple<Config, int, int, common::PixelRect, Dot, Dot, std::size_t> cases[] = {
      // Drawing pixels 1410..2010 x 930..1410: grid lines 117..167 mm and 77..117 mm.
      {common::SktViewport, 12, 0, {-1410, -930, 600, 480}, {1404, 924}, {2004, 1404}, 51 * 41},
      // 212 steps across, 154 down: the far lines are not lost to rounding.
      {common::LytViewport, 24, 0, {0, 0, 5088, 3696}, {0, 0}, {5088, 3696}, 213 * 155},
      {common::LytViewport, 7, 0, {0, 0, 35, 14}, {0, 0}, {35, 14}, 6 * 3},
      {common::LytViewport, 6, 0, {0, 0, 600, 480}, {}, {}, 0},
      {common::LytViewport, 24, 1, {0, 0, 600, 480}, {}, {}, 0},
      {common::LytViewport, 24, 2, {0, 0, 600, 480}, {}, {}, 0},
      {common::LytViewport, 24, 4, {0, 0, 600, 480}, {}, {}, 0}};
  for (const auto& [config, zoom, stops, visible, first, last, dots] : cases) {
    SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", stopped by " << stops);
    Viewport view(config);
    view.Zoom = zoom;
    std::tie(view.ShowGrid, view.ScrollFocus, view.CentringKey) =
        std::make_tuple(!(stops & 1), stops & 2, stops & 4);
    view.Scale = view.ScaleForZoom();
    testing_support::RecordingCanvas canvas;
    common::DrawGridAndCentreMark(view, visible.Left, visible.Top, visible.Width, visible.Height, canvas);
    EXPECT_EQ(canvas.Lines().size(), 2u) << "the centre mark";
    ASSERT_EQ(canvas.Pixels.size(), dots);
    if (dots == 0) continue;
    EXPECT_EQ(std::make_pair(canvas.Pixels.begin()->first, canvas.Pixels.rbegin()->first),
              std::make_pair(first, last));
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

}  // namespace
