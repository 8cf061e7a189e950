#include "skt/core/schematic_renderer.h"
#include "skt/print/core/schematic_print.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

namespace {

using namespace skt;
using namespace skt::ElementKind;
using common::DrawMode;

SchematicElement E(std::int32_t kind, float size, float x1, float y1, float x2 = 0, float y2 = 0) {
  return {kind == Bus ? 1 : 0, kind, size, x1, y1, x2, y2, false, "L", 0};
}

// The frame, the dotted lines dashed, then the other figures in table order,
// true to size along their own axis whatever the printer's dots and the
// screen zoom (sizes, text heights included, are counted across); a selected
// element prints where Elements holds it; everything is black.
TEST(SchematicPrint, SheetPrintsTrueToSizeAndBlack) {
  Schematic schematic;
  schematic.Elements = {E(Wire, 0, 20, 30, 30, 30), E(Bus, 0, 40, 30, 40, 40),
                        E(Junction, 0, 50, 50),     E(Circle, 5, 80, 80),
                        E(Text, 2, 150, 100),       E(BusEntry, 0, 60, 60, 62, 58),
                        E(Deleted, 1, 5, 5, 9, 9),  E(6, 1, 5, 5, 9, 9),
                        E(7, 1, 5, 5, 9, 9),        E(8, 1, 5, 5, 9, 9),
                        E(DottedLine, 0, 100, 100, 110, 100)};
  AddToPending(schematic, 5, PendingMove::Whole);
  schematic.Pending[0].X1 = 90;
  // A printer's dots per inch across and down, and the window's zoom and grid step.
  for (const auto& [dpiX, dpiY, zoom, gridStep] :
       {std::tuple{600.0, 600.0, 12, 1.0f}, {300.0, 300.0, 96, 1.0f}, {1200.0, 600.0, 3, 2.5f}}) {
    SCOPED_TRACE(testing::Message() << dpiX << " dpi, zoom " << zoom);
    common::Viewport view(common::SktViewport);
    view.SetGridStep(gridStep);
    view.Zoom = zoom;
    view.Scale = view.ScaleForZoom();
    const double dotX = 25.4 / dpiX, dotY = 25.4 / dpiY;
    const common::PrintConversion conversion(view, dotX, dotY, 1.0f);
    const common::StrokeFont font(common::FontVariant::Skt);
    testing_support::RecordingCanvas canvas;
    PrintSchema(schematic, conversion, font, canvas);
    const auto& d = canvas.Drawing;
    ASSERT_EQ(d.size(), 12u);
    auto X = [&](int dots) { return dots * dotX; };
    const std::pair<double, double> measuredAndMm[] = {
        {X(d[0].X2), SheetWidth}, {d[1].Y2 * dotY, SheetHeight}, {X(d[0].Width), BusPen},
        {X(d[4].X2 - d[4].X1), 10}, {X(d[4].Width), WirePen},                    // dotted line
        {X(d[5].X1), 20}, {X(d[5].X2 - d[5].X1), 10}, {X(d[5].Width), WirePen},  // wire
        {(d[6].Y2 - d[6].Y1) * dotY, 10}, {X(d[6].Width), BusPen},               // bus
        {X(d[7].X2 - d[7].X1), 2 * JunctionHalf},                                // junction
        {X(d[8].X2), 5}, {X(d[8].Width), 0.15},                                  // circle
        {X(d[9].Y2 - d[9].Y1), 1.8},                                             // stem of L
        {X(d[11].X1), 60}};                                                      // bus entry
    // Half a sixteenth of a grid step at each end, where the view resolves
    // positions, and a printer dot.
    for (const auto& [measured, mm] : measuredAndMm)
      EXPECT_NEAR(measured, mm, gridStep / 16.0 + dotX);
    EXPECT_GT(d[10].X2, d[10].X1) << "the foot of L goes right: not mirrored";
    for (std::size_t i = 0; i < d.size(); ++i) {
      EXPECT_EQ(d[i].Style == common::LineStyle::Dash, i == 4) << i;
      EXPECT_EQ(canvas.Fills[i].first == common::FillStyle::Solid, i == 7) << "the junction";
      const bool letter = i == 9 || i == 10;  // the stroke font draws with the copy pen
      EXPECT_EQ(d[i].Mode, letter ? DrawMode::CopyPen : DrawMode::PaintBlack) << i;
      EXPECT_EQ(std::make_pair(d[i].Colour, canvas.Fills[i].second), std::make_pair(0u, 0u));
    }
  }
}

}  // namespace
