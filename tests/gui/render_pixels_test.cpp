// The pixels both programs' renderers set through the Qt canvas (showing a
// part of the drawing away from its corner, as the drawing area does):
// previews that drawn twice restore every pixel. Which layer lies on top is
// seen in the renderer's pass order (lyt/core), the positions in the gerbv
// read-back and the printed colours in the PDF page of the main windows.
#include "common/ui/qt_canvas.h"
#include "lyt/core/board_renderer.h"
#include "lyt/core/element_drawers.h"
#include "skt/core/schematic_drawers.h"
#include "skt/core/schematic_renderer.h"
#include "support/board_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

namespace B = lyt::ElementKind;
namespace L = lyt::BoardLayer;
namespace S = skt::ElementKind;
using board_tests::Element;
using board_tests::NewItem;
using common::Canvas;

const QPoint kOrigin(10, 5);  // the drawing's pixel at the image's corner

// A schematic element; the kinds that show a text show this one.
skt::SchematicElement Sch(std::int32_t group, std::int32_t kind, float size, float x1, float y1, float x2 = 0,
                           float y2 = 0) {
  return {group, kind, size, x1, y1, x2, y2, false, "R1&µ", 0};
}

// Each kind of either program in hand (the board's both square and turned
// a quarter), drawn on a busy drawing of that program with its grid, shows,
// and drawn again restores every pixel; so do a track of no length and the
// selection band both programs share. All of the canvas's figures are among
// them. Every pixel a preview changes lies in the part the canvas says it
// drew on, and a pad's middle is the drawing inverted by the preview colour.
TEST(RenderPixels, PreviewsOfEveryKindDrawnTwiceRestoreTheDrawingBitForBit) {
  QImage image(256, 256, QImage::Format_RGB32);
  const common::VisibleArea shown{-kOrigin.x(), -kOrigin.y(), image.width(), image.height()};
  // Returns the part of the image the canvas says it drew on (what the
  // drawing area repaints).
  auto draw = [&](const std::function<void(Canvas&)>& figures) {
    common::QtCanvas canvas(image, kOrigin, Qt::black, QColor(0, 0, 128));
    figures(canvas);
    return canvas.TakeDamage().translated(-kOrigin);
  };
  auto expectRestored = [&](const std::string& what, const std::function<void(Canvas&)>& preview) {
    const QImage before = image;
    for (int time = 0; time < 2; ++time) {
      const QImage previous = image;
      const QRect drawn = draw(preview);
      EXPECT_EQ(image == before, time == 1) << what << ": shows the first time, restores the second";
      QRect changed;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixel(x, y) != previous.pixel(x, y)) changed |= QRect(x, y, 1, 1);
      EXPECT_TRUE(drawn.contains(changed)) << what << ": drawn outside the part repainted";
    }
  };
  lyt::Board board;
  const common::Viewport boardView(common::LytViewport);
  const common::StrokeFont lytFont(common::FontVariant::Lyt);
  board.Elements = {Element(0, B::Track, L::Component, 1.0f, 1, 6, 12, 6),
                    Element(0, B::Track, L::Solder, 0.6f, 6, 1, 6, 12), Element(0, B::RoundPad, L::Through, 1.0f, 7, 7),
                    Element(0, B::Hole, L::Through, 0.4f, 7, 7),
                    Element(0, B::Text, L::Silkscreen, 1.5f, 2, 8, 0, 0, "R12")};
  draw([&](Canvas& c) { lyt::RedrawBoard(board, lyt::LayerView(), shown, boardView, lytFont, c); });
  for (lyt::PendingItem item :
       {NewItem(B::Track, L::Solder, 0.8f, 2, 3, 10, 9), NewItem(B::Track, L::Solder, 0.8f, 4, 4, 4, 4),
        NewItem(B::RoundPad, L::Through, 0.8f, 6, 6), NewItem(B::SquarePad, L::Through, 0.8f, 6, 6),
        NewItem(B::OvalPad, L::Through, 0.8f, 6, 6), NewItem(B::RectPad, L::Through, 0.8f, 6, 6),
        NewItem(B::Hole, L::Through, 0.5f, 6.5f, 6.5f), NewItem(B::Circle, L::Silkscreen, 3.0f, 6, 6),
        NewItem(B::Text, L::Solder, 1.5f, 1.5f, 5, 9, 9.5f)}) {
    for (std::int32_t angle : {0, 90}) {
      item.Angle = angle;
      board.Pending = {item};
      expectRestored("board kind " + std::to_string(item.Kind) + ", angle " + std::to_string(angle),
                     [&](Canvas& c) { lyt::DrawPending(board, boardView, c); });
    }
  }
  board.Pending = {NewItem(B::RoundPad, L::Through, 0.8f, 6, 6)};
  const QPoint middle = QPoint(boardView.MmToPixels(6), boardView.MmToPixels(6)) - kOrigin;
  const QRgb under = image.pixel(middle);
  draw([&](Canvas& c) { lyt::DrawPending(board, boardView, c); });
  const QRgb preview = common::QtCanvas::ToQColor(board.Colours.PreviewColour).rgb();
  EXPECT_EQ(image.pixel(middle), ~(under ^ preview) | 0xFF000000u);
  draw([&](Canvas& c) { lyt::DrawPending(board, boardView, c); });
  expectRestored("selection band", [&](Canvas& c) {
    common::DrawSelectionBand(20, 30, 200, 190, board.Colours.PreviewColour, c);
  });

  skt::Schematic schematic;
  const common::Viewport schematicView(common::SktViewport);  // 12 pixels per mm
  const common::StrokeFont sktFont(common::FontVariant::Skt);
  schematic.Elements = {Sch(0, S::Wire, 0, 1, 6, 19, 6), Sch(2, S::Wire, 0, 6, 1, 6, 19),
                        Sch(0, S::Bus, 0, 1, 9, 19, 9),  Sch(0, S::DottedLine, 0, 9, 1, 9, 19),
                        Sch(0, S::Junction, 0, 6, 6),    Sch(0, S::Circle, 3, 8, 8),
                        Sch(0, S::Text, 2, 2, 12),       Sch(0, S::BusEntry, 0, 10, 10, 12, 8)};
  draw([&](Canvas& c) { skt::RedrawSchematic(schematic, shown, schematicView, sktFont, c); });
  for (const skt::SchematicElement& element :
       {Sch(0, S::Wire, 0, 2, 3, 15, 9), Sch(0, S::Bus, 0, 3, 2, 8, 16), Sch(0, S::BusEntry, 0, 6, 6, 8, 4),
        Sch(0, S::DottedLine, 0, 1, 8, 17, 8), Sch(0, S::Junction, 0, 6.5f, 6), Sch(0, S::Circle, 3, 6, 7),
        Sch(0, S::Text, 2, 2, 11, 9, 13.5f)}) {
    schematic.Pending = {skt::ItemFromElement(element, 0, skt::PendingMove::Whole)};
    expectRestored("schematic kind " + std::to_string(element.Kind),
                   [&](Canvas& c) { skt::DrawPending(schematic, schematicView, c); });
  }
}

}  // namespace
