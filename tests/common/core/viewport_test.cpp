// The viewport: pixels and millimetres, snapping, zoom, the window layout
// that follows from them, the grid drawing and the grid-step status texts.
#include "common/core/grid_drawing.h"
#include "common/core/grid_step_input.h"
#include "common/core/status_texts.h"
#include "common/core/viewport.h"
#include "common/core/window_layout.h"

#include "support/recording_canvas.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace {

using common::ScrollBar;
using common::Viewport;
using common::WindowLayout;
using common::WindowMetrics;
using common::ZoomDirection;
using testing_support::RecordingCanvas;
using testing_support::ScriptedUi;

TEST(ViewportTest, ConversionsRoundHalvesToEvenAndSnappingSendsThemUp) {
  Viewport board(common::LytViewport);  // 24 pixels per 1.27 mm step
  EXPECT_NEAR(board.Scale, 18.898, 0.001);
  EXPECT_EQ(std::make_tuple(board.MmToPixels(board.SheetWidth), board.MmToPixels(board.SheetHeight),
                            board.MmToPixels(10 * 1.27f)),
            std::make_tuple(5088, 3696, 240));
  Viewport schematic(common::SktViewport);  // 12 pixels per mm
  EXPECT_EQ(std::make_pair(schematic.MmToPixels(0.125f), schematic.MmToPixels(0.375f)),
            std::make_pair(2, 4));
  EXPECT_FLOAT_EQ(schematic.PixelsToMm(-6), -0.5f);
  EXPECT_FLOAT_EQ(schematic.PointerToMm(17.5f), 1.5f);  // the pointer is rounded to 18 first
  for (auto [mm, snapped] : {std::pair{2.5f, 3.0f}, {-0.5f, 0.0f}, {2.49f, 2.0f}})
    EXPECT_FLOAT_EQ(schematic.SnapX(mm), snapped) << mm;
  schematic.SnapToGrid = false;
  EXPECT_FLOAT_EQ(schematic.SnapY(-0.3f), -0.3f);
  EXPECT_FLOAT_EQ(schematic.GridRoundX(2.49f), 2.0f);  // the grid drawing still rounds
  // Board axes snap to their own steps but share one scale, which follows
  // the horizontal step at once.
  board.SetGridSteps(2.54f, 1.0f);
  EXPECT_FLOAT_EQ(board.SnapX(3.3f), 2.54f);
  EXPECT_FLOAT_EQ(board.SnapY(3.3f), 3.0f);
  EXPECT_DOUBLE_EQ(board.Scale, 24 / static_cast<double>(2.54f));
}

// Bars 17 pixels thick, a 25-pixel status bar and a 30-pixel row of lists.
WindowMetrics WindowWithDrawingArea(int picture1Width, int picture1Height) {
  return {picture1Width + 17 + common::ToolPaletteWidth, picture1Height + 17 + 25 + 30, false,
          30, 17, 17, 25};
}

// The drawing centred in Picture1: scroll values to even, bars only when
// needed, 32-bit ranges even for the finest step at the highest zoom.
TEST(LayoutTest, DrawingIsCentredWithBarsOnlyWhenNeeded) {
  struct Case {
    const common::ViewportConfig& Config;
    int Zoom;
    float Step;
    int Picture1Width, Picture1Height;
    bool Bars;
    int HMaximum, HValue, VValue;
  };
  const Case cases[] = {
      {common::LytViewport, 24, 1.27f, 1133, 828, true, 5088 - 1133, 1978, (3696 - 828) / 2},  // 1977.5
      {common::LytViewport, 3, 1.27f, 1133, 828, false, 636 - 1133, -248, -(828 - 462) / 2},  // -248.5
      {common::SktViewport, 96, common::SmallestGridStep, 600, 480, true, 285 * 192 - 600,
       (285 * 192 - 600) / 2, (195 * 192 - 480) / 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Zoom);
    Viewport view(c.Config);
    view.Zoom = c.Zoom;
    view.GridStepX = view.GridStepY = c.Step;
    view.Scale = 1.0;  // the layout must recompute it
    const WindowLayout layout =
        common::LayOutMainWindow(WindowWithDrawingArea(c.Picture1Width, c.Picture1Height), view);
    EXPECT_DOUBLE_EQ(view.Scale, view.ScaleForZoom());
    EXPECT_EQ(std::make_tuple(layout.HScroll1.Visible, layout.VScroll1.Visible, layout.HScroll1.Maximum,
                              layout.HScroll1.Value, layout.VScroll1.Value),
              std::make_tuple(c.Bars, c.Bars, c.HMaximum, c.HValue, c.VValue));
    EXPECT_EQ(std::make_pair(layout.HScroll1.Place.Top, layout.VScroll1.Place.Left),
              std::make_pair(30 + c.Picture1Height, 50 + c.Picture1Width));
  }
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

// Zooming about the pointer in a schematic view of 600 x 480 pixels: the
// point under it comes to the middle as far as the scroll ranges allow.
TEST(LayoutTest, ZoomAtCursorScrollsThePointToTheMiddleWithinTheRange) {
  struct Case {
    const char* What;
    ZoomDirection Direction;
    common::PixelPoint Cursor;
    WindowMetrics Metrics;
    int HValue, VValue;
  };
  constexpr int Maximum = std::numeric_limits<int>::min();  // the bar's maximum
  const Case cases[] = {
      {"middle", ZoomDirection::In, {500, 400}, WindowWithDrawingArea(600, 480), 1000 - 300, 800 - 240},
      {"origin", ZoomDirection::In, {10, 10}, WindowWithDrawingArea(600, 480), 0, 0},
      {"far end", ZoomDirection::In, {3410, 2330}, WindowWithDrawingArea(600, 480), Maximum, Maximum},
      // At Zoom 6 the drawing is 1710 x 1170: the axis that fits stays centred.
      {"one axis fits", ZoomDirection::Out, {1710, 1170}, WindowWithDrawingArea(1000, 1300), 855 - 500,
       (1170 - 1300) / 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Viewport view(common::SktViewport);
    const auto layout = common::ZoomAtCursor(c.Direction, c.Cursor, c.Metrics, view);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->HScroll1.Value, c.HValue == Maximum ? layout->HScroll1.Maximum : c.HValue);
    EXPECT_EQ(layout->VScroll1.Value, c.VValue == Maximum ? layout->VScroll1.Maximum : c.VValue);
  }
  Viewport view(common::SktViewport);
  view.Zoom = 1;
  EXPECT_FALSE(common::ZoomAtCursor(ZoomDirection::Out, {0, 0}, WindowWithDrawingArea(600, 480), view));
  EXPECT_EQ(view.Zoom, 1);
  EXPECT_DOUBLE_EQ(view.Scale, 12.0);
}

ScrollBar Bar(int value, int maximum, bool visible = true) {
  ScrollBar bar;
  bar.Value = value;
  bar.Maximum = maximum;
  bar.Visible = visible;
  return bar;
}

TEST(LayoutTest, WarpScrollsByThePointerOffsetAndBringsItToTheMiddle) {
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

// Counts the calls too: pixels set twice do not show in the recording.
class CountingCanvas : public RecordingCanvas {
 public:
  int PixelCalls = 0;
  std::set<int> Columns, Rows;
  void SetPixel(int x, int y, common::Colour colour) override {
    ++PixelCalls;
    Columns.insert(x);
    Rows.insert(y);
    RecordingCanvas::SetPixel(x, y, colour);
  }
};

// One highlight dot per grid point of the visible part, each set once.
TEST(GridDrawingTest, DotsCoverTheVisiblePartUpToItsFarEdges) {
  struct Case {
    const char* What;
    const common::ViewportConfig& Config;
    int Zoom;
    float StepX, StepY;
    common::PixelRect Visible;  // Picture2's offset in Picture1, Picture1's size
    std::array<int, 3> Columns, Rows;  // first, last, count
  };
  const Case cases[] = {
      // Drawing pixels 1410..2010 x 930..1410: grid lines 117..167 mm and 77..117 mm.
      {"part", common::SktViewport, 12, 1, 1, {-1410, -930, 600, 480}, {1404, 2004, 51},
       {924, 1404, 41}},
      // 212 steps across, 154 down: the far lines are not lost to rounding.
      {"whole board", common::LytViewport, 24, 1.27f, 1.27f, {0, 0, 5088, 3696}, {0, 5088, 213},
       {0, 3696, 155}},
      {"rows 0.4 pixel apart", common::LytViewport, 8, common::LargestGridStep,
       common::SmallestGridStep, {0, 0, 80, 40}, {0, 80, 11}, {0, 40, 41}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Viewport view(c.Config);
    view.Zoom = c.Zoom;
    view.GridStepX = c.StepX;
    view.GridStepY = c.StepY;
    view.Scale = view.ScaleForZoom();
    CountingCanvas canvas;
    common::DrawGrid(view, c.Visible.Left, c.Visible.Top, c.Visible.Width, c.Visible.Height, canvas);
    auto extent = [](const std::set<int>& s) {
      return std::array<int, 3>{*s.begin(), *s.rbegin(), static_cast<int>(s.size())};
    };
    EXPECT_EQ(extent(canvas.Columns), c.Columns);
    EXPECT_EQ(extent(canvas.Rows), c.Rows);
    EXPECT_EQ(canvas.PixelCalls, c.Columns[2] * c.Rows[2]);
    EXPECT_EQ(canvas.Pixels.begin()->second, canvas.Highlight);
  }
}

// Arms of 2.54 mm about the middle of the board, (134.62, 97.79) mm.
TEST(GridDrawingTest, CentreMarkCrossesTheMiddleOfTheBoardOnePixelWide) {
  RecordingCanvas canvas;
  canvas.Width = 3;
  common::DrawCentreMark(Viewport(common::LytViewport), canvas);
  std::vector<std::tuple<int, int, int, int, common::Colour, int>> lines;
  for (const auto& l : canvas.Lines()) lines.emplace_back(l.X1, l.Y1, l.X2, l.Y2, l.Colour, l.Width);
  EXPECT_EQ(lines, (decltype(lines){{2544 - 48, 1848, 2544 + 48, 1848, canvas.Highlight, 1},
                                    {2544, 1848 - 48, 2544, 1848 + 48, canvas.Highlight, 1}}));
}

TEST(GridDrawingTest, DotsOnlyWhenShownCloseEnoughAndNotScrollingButTheMarkAlways) {
  auto dotsAfter = [](void (*change)(Viewport&)) {
    Viewport view(common::SktViewport);
    change(view);
    view.Scale = view.ScaleForZoom();
    RecordingCanvas canvas;
    common::DrawGridAndCentreMark(view, 0, 0, 600, 480, canvas);
    EXPECT_EQ(canvas.Lines().size(), 2u);
    return canvas.Pixels.size();
  };
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.Zoom = 6; }), 0u);
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.ShowGrid = false; }), 0u);
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.ScrollFocus = true; }), 0u);
  EXPECT_EQ(dotsAfter([](Viewport& v) { v.CentringKey = true; }), 0u);
  EXPECT_GT(dotsAfter([](Viewport& v) { v.Zoom = 8; }), 0u);
}

// The board's grid-step panels; the schematic's one step and pointer
// panels, in the user's decimal separator.
TEST(ViewportStatusTest, PanelsOfEachProgram) {
  Viewport board(common::LytViewport);
  board.GridStepY = 2.54f;
  ScriptedUi boardUi;
  common::ShowGridStepStatus(board, boardUi);
  EXPECT_EQ(boardUi.Status,
            (std::map<int, std::string>{{2, "  Pas de la grille Horizontal:1.27mm   "},
                                        {3, "  Pas de la grille Vertical:2.54mm   "}}));
  Viewport schematic(common::SktViewport);
  schematic.SetGridStep(0.5f);
  schematic.LastDown = {1.0f, 1.0f};
  ScriptedUi schematicUi;
  schematicUi.Separator = ',';
  common::ShowGridStepStatus(schematic, schematicUi);
  common::ShowCursorStatus(schematic, {3.2f, -1.0f}, schematicUi);  // 2.2 and -2 from the last press
  EXPECT_EQ(schematicUi.Status,
            (std::map<int, std::string>{
                {1, "  Pas de la grille :0,5mm   "}, {2, "  X= 2mm"}, {3, "  Y= -2mm"}}));
  schematic.SnapToGrid = false;
  EXPECT_EQ(common::CursorXText(schematic, 3.2f, ','), "  X= 2,2mm");
}

// The schematic's grid-step box: asked again until the step is in range or
// the answer empty, always proposing the step it started with.
TEST(ViewportStatusTest, GridStepBoxAcceptsOnlyStepsInRange) {
  struct Case {
    std::vector<const char*> Answers;
    bool Accepted;
    float Step;
    std::string Status;  // panel 1
  };
  const Case cases[] = {{{"0.5"}, true, 0.5f, "  Pas de la grille :0,5mm   "},
                        {{"10"}, true, 10.0f, "  Pas de la grille :10mm   "},
                        {{"0,5", "12", "0.49", "2.5mm"}, true, 2.5f, "  Pas de la grille :2,5mm   "},
                        {{""}, false, 1.5f, ""},
                        {{"12", ""}, false, 1.5f, ""},
                        {{"1.5"}, true, 1.5f, "  Pas de la grille :1,5mm   "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Answers.front());
    Viewport view(common::SktViewport);
    view.SetGridStep(1.5f);
    ScriptedUi ui;
    ui.Separator = ',';
    for (const char* answer : c.Answers) ui.InputAnswers.push_back(answer);
    EXPECT_EQ(common::AskGridStep(view, ui), c.Accepted);
    EXPECT_FLOAT_EQ(view.GridStep(), c.Step);
    EXPECT_EQ(ui.Status[1], c.Status);
    ASSERT_EQ(ui.Inputs.size(), c.Answers.size());
    for (const auto& input : ui.Inputs) EXPECT_EQ(input.Default, "1.5") << "read back with a full stop";
  }
}

}  // namespace
