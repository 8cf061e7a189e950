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

struct Figure {
  const char* Name;
  std::function<void(Canvas&)> Draw;
};

Figure Line(const char* name, int width, int x1, int y1, int x2, int y2) {
  return {name, [=](Canvas& c) { c.SetLineWidth(width), c.DrawLine(x1, y1, x2, y2, kRed); }};
}
// A circle or an oval: filled with a one-pixel pen, an outline with a wider one.
Figure Circle(const char* name, int width, Colour pen, Colour fill, int radius, double aspect) {
  return {name, [=](Canvas& c) {
            c.SetLineWidth(width);
            if (width == 1) Filled(c, fill);
            c.DrawCircle(60, 50, radius, pen, aspect);
          }};
}

class InvertingFigureTest : public ::testing::TestWithParam<Figure> {};

// On a busy background, so that an inverting figure drawn twice has something to get wrong.
TEST_P(InvertingFigureTest, DrawnTwiceRestoresEveryPixel) {
  QImage image(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 11) & 0xFF, ((x + y) * 5) & 0xFF));
  const QImage before = image;
  for (int time = 0; time < 2; ++time) {
    {
      common::QtCanvas canvas(image, QPoint(10, 5), Qt::black, kHighlight);
      canvas.SetDrawMode(common::DrawMode::NotXorPen);
      GetParam().Draw(canvas);
    }
    EXPECT_EQ(image == before, time == 1) << "shows the first time, restores the second";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, InvertingFigureTest,
    ::testing::Values(
        Line("thin_line", 1, 12, 8, 90, 60), Line("wide_round_line", 9, 20, 20, 100, 40),
        Line("zero_length_wide_line", 7, 50, 50, 50, 50),
        Figure{"filled_box", [](Canvas& c) { Filled(c, kRed), c.DrawBox(30, 30, 50, 44, kRed); }},
        Figure{"dotted_box", [](Canvas& c) {
                 c.SetLineStyle(common::LineStyle::Dot), c.DrawBox(90, 70, 20, 10, kRed);
               }},
        Circle("filled_circle", 1, kRed, kRed, 17, 1.0),
        Circle("filled_oval", 1, kRed, kRed, 30, 0.5),
        Circle("hole_with_other_fill", 1, Rgb(128, 128, 255), Rgb(0, 0, 0), 12, 1.0),
        Circle("outline_circle", 3, kYellow, 0, 25, 1.0),
        Figure{"single_pixel", [](Canvas& c) { c.SetPixel(40, 30, Rgb(1, 2, 3)); }}),
    [](const auto& info) { return std::string(info.param.Name); });

// Through the origin, filled figures cover their extent and no more; a point
// outside the backed part is ignored; paint-black ignores the colour.
TEST(QtCanvasTest, FiguresLandOnTheirPixels) {
  QImage image(100, 100, QImage::Format_RGB32);
  common::QtCanvas canvas(image, QPoint(1000, 2000), Qt::white, kHighlight);
  canvas.Clear();
  Filled(canvas, kRed);
  canvas.DrawBox(1010, 2010, 1020, 2016, kRed);
  canvas.DrawCircle(1060, 2060, 10, kRed, 1.0);
  canvas.SetPixel(1030, 2005, kYellow);
  canvas.SetPixel(5, 5, kYellow);
  canvas.SetDrawMode(common::DrawMode::PaintBlack);
  canvas.SetLineWidth(3);
  canvas.DrawLine(1002, 2090, 1097, 2090, kYellow);
  for (auto [x, y] : {std::pair{10, 10}, {20, 16}, {60, 60}, {50, 60}, {70, 60}, {60, 50}})
    EXPECT_EQ(image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
  EXPECT_EQ(image.pixel(60, 70), qRgb(255, 0, 0));
  for (auto [x, y] : {std::pair{21, 16}, {48, 60}, {72, 60}, {60, 48}, {60, 72}, {52, 52}, {5, 5}})
    EXPECT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
  EXPECT_EQ(image.pixel(30, 5), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(50, 91), qRgb(0, 0, 0));
}

}  // namespace
