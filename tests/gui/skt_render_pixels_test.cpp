#include "common/ui/qt_canvas.h"
#include "skt/core/schematic_drawers.h"
#include "skt/core/schematic_renderer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace skt;
using namespace skt::ElementKind;

SchematicElement E(std::int32_t group, std::int32_t kind, float size, float x1, float y1,
                   float x2 = 0, float y2 = 0) {
  return {group, kind, size, x1, y1, x2, y2, false, "R1&µ", 0};
}

class SchematicRenderPixelTest : public ::testing::Test {
 protected:
  int Px(float mm) const { return viewport.MmToPixels(mm); }
  void Draw(const std::function<void(common::Canvas&)>& draw) {
    common::QtCanvas canvas(image, QPoint(0, 0), Qt::black, QColor(0, 0, 128));
    draw(canvas);
  }
  void Redraw() {
    Draw([&](common::Canvas& c) {
      RedrawSchematic(schematic, {0, 0, 256, 256}, viewport, font, c);
    });
  }

  Schematic schematic;
  common::Viewport viewport{common::SktViewport};  // 12 pixels per mm
  common::StrokeFont font{common::FontVariant::Skt};
  QImage image{256, 256, QImage::Format_RGB32};
};

// The same wire drawn with the wire tool and as part of a component.
TEST_F(SchematicRenderPixelTest, FreeWireIsLightGreyAndGroupedWireRed) {
  viewport.ShowGrid = false;
  schematic.Elements = {E(0, Wire, 0, 2, 5, 18, 5), E(4, Wire, 0, 2, 10, 18, 10)};
  Redraw();
  EXPECT_EQ(image.pixel(Px(10), Px(5)), qRgb(192, 192, 192));
  EXPECT_EQ(image.pixel(Px(10), Px(10)), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(Px(10), Px(7.5f)), qRgb(0, 0, 0));
}

// Each kind in hand, drawn over every kind and the grid, shows, and drawn
// again restores every pixel; so does the selection frame.
TEST_F(SchematicRenderPixelTest, PreviewDrawnTwiceRestoresTheSchematicBitForBit) {
  schematic.Elements = {E(0, Wire, 0, 1, 6, 19, 6), E(2, Wire, 0, 6, 1, 6, 19),
                        E(0, Bus, 0, 1, 9, 19, 9),  E(0, DottedLine, 0, 9, 1, 9, 19),
                        E(0, Junction, 0, 6, 6),    E(0, Circle, 3, 8, 8),
                        E(0, Text, 2, 2, 12),       E(0, BusEntry, 0, 10, 10, 12, 8)};
  Redraw();
  const QImage before = image;
  auto expectRestored = [&](const std::function<void(common::Canvas&)>& draw) {
    for (int time = 0; time < 2; ++time) {
      Draw(draw);
      EXPECT_EQ(image == before, time == 1) << "shows the first time, restores the second";
    }
  };
  for (const SchematicElement& element :
       {E(0, Wire, 0, 2, 3, 15, 9), E(0, Bus, 0, 3, 2, 8, 16), E(0, BusEntry, 0, 6, 6, 8, 4),
        E(0, DottedLine, 0, 1, 8, 17, 8), E(0, Junction, 0, 6.5f, 6), E(0, Circle, 3, 6, 7),
        E(0, Text, 2, 2, 11, 9, 13.5f)}) {
    SCOPED_TRACE("kind " + std::to_string(element.Kind));
    schematic.Pending = {ItemFromElement(element, 0, PendingMove::Whole)};
    expectRestored([&](common::Canvas& c) { DrawPending(schematic, viewport, c); });
  }
  expectRestored([&](common::Canvas& c) {
    DrawSelectionBand(Px(1.5f), Px(2), Px(11), Px(10), schematic.Colours.PreviewColour, c);
  });
}

}  // namespace
