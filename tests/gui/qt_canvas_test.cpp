#include "common/ui/qt_canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using common::Canvas;
using common::Colour;
using common::Rgb;

const QColor kHighlight(0, 0, 128);
constexpr Colour kRed = Rgb(255, 0, 0), kYellow = Rgb(255, 255, 0);

void Filled(Canvas& c, Colour fill) {
  c.SetFillStyle(common::FillStyle::Solid);
  c.SetFillColour(fill);
}

// On a busy background, so that an inverting figure drawn twice has
// something to get wrong: it shows the first time, restores the second.
TEST(QtCanvasTest, InvertingFiguresDrawnTwiceRestoreEveryPixel) {
  QImage image(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 11) & 0xFF, ((x + y) * 5) & 0xFF));
  const QImage before = image;
  using Draw = std::function<void(Canvas&)>;
  auto line = [](int width, int x1, int y1, int x2, int y2) -> Draw {
    return [=](Canvas& c) { c.SetLineWidth(width), c.DrawLine(x1, y1, x2, y2, kRed); };
  };
  // Filled with a one-pixel pen, an outline with a wider one.
  auto circle = [](int width, Colour pen, Colour fill, int radius, double aspect) -> Draw {
    return [=](Canvas& c) {
      c.SetLineWidth(width);
      if (width == 1) Filled(c, fill);
      c.DrawCircle(60, 50, radius, pen, aspect);
    };
  };
  const std::pair<const char*, Draw> figures[] = {
      {"thin line", line(1, 12, 8, 90, 60)},
      {"wide round line", line(9, 20, 20, 100, 40)},
      {"zero-length wide line", line(7, 50, 50, 50, 50)},
      {"filled box", [](Canvas& c) { Filled(c, kRed), c.DrawBox(30, 30, 50, 44, kRed); }},
      {"dotted box",
       [](Canvas& c) { c.SetLineStyle(common::LineStyle::Dot), c.DrawBox(90, 70, 20, 10, kRed); }},
      {"filled circle", circle(1, kRed, kRed, 17, 1.0)},
      {"filled oval", circle(1, kRed, kRed, 30, 0.5)},
      {"hole with another fill", circle(1, Rgb(128, 128, 255), Rgb(0, 0, 0), 12, 1.0)},
      {"outline circle", circle(3, kYellow, 0, 25, 1.0)},
      {"single pixel", [](Canvas& c) { c.SetPixel(40, 30, Rgb(1, 2, 3)); }}};
  for (const auto& [name, draw] : figures)
    for (int time = 0; time < 2; ++time) {
      {
        common::QtCanvas canvas(image, QPoint(10, 5), Qt::black, kHighlight);
        canvas.SetDrawMode(common::DrawMode::NotXorPen);
        draw(canvas);
      }
      EXPECT_EQ(image == before, time == 1) << name;
    }
}

}  // namespace
