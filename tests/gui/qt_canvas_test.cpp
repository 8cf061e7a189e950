#include "common/ui/qt_canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using common::Canvas;
using common::Colour;
using common::Rgb;

const QColor kBackground(0, 0, 0);
const QColor kHighlight(0, 0, 128);
constexpr Colour kRed = Rgb(255, 0, 0);

void Filled(Canvas& c, Colour fill) {
  c.SetFillStyle(common::FillStyle::Solid);
  c.SetFillColour(fill);
}

struct Figure {
  const char* Name;
  std::function<void(Canvas&)> Draw;
};

Figure Line(const char* name, int width, int x1, int y1, int x2, int y2) {
  return {name, [=](Canvas& c) {
            c.SetLineWidth(width);
            c.DrawLine(x1, y1, x2, y2, kRed);
          }};
}
// A circle (an oval when `aspect` is not 1): filled with a one-pixel pen, an outline with a wider one.
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
    common::QtCanvas canvas(image, QPoint(10, 5), kBackground, kHighlight);
    canvas.SetDrawMode(common::DrawMode::NotXorPen);
    GetParam().Draw(canvas);
    if (time == 0) {
      EXPECT_NE(image, before) << "the figure must show";
    }
  }
  EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, InvertingFigureTest,
    ::testing::Values(Line("thin_line", 1, 12, 8, 90, 60), Line("wide_round_line", 9, 20, 20, 100, 40),
                      Line("zero_length_wide_line", 7, 50, 50, 50, 50),
                      Figure{"filled_box",
                             [](Canvas& c) {
                               Filled(c, kRed);
                               c.DrawBox(30, 30, 50, 44, kRed);
                             }},
                      Figure{"dotted_box",
                             [](Canvas& c) {
                               c.SetLineStyle(common::LineStyle::Dot);
                               c.DrawBox(90, 70, 20, 10, kRed);
                             }},
                      Circle("filled_circle", 1, kRed, kRed, 17, 1.0),
                      Circle("filled_oval", 1, kRed, kRed, 30, 0.5),
                      Circle("hole_with_other_fill", 1, Rgb(128, 128, 255), Rgb(0, 0, 0), 12, 1.0),
                      Circle("outline_circle", 3, Rgb(255, 255, 0), 0, 25, 1.0),
                      Figure{"single_pixel", [](Canvas& c) { c.SetPixel(40, 30, Rgb(1, 2, 3)); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(QtCanvasTest, DrawsInSurfaceCoordinatesThroughTheOrigin) {
  QImage image(50, 40, QImage::Format_RGB32);
  common::QtCanvas canvas(image, QPoint(1000, 2000), kBackground, kHighlight);
  canvas.Clear();
  canvas.SetPixel(1010, 2005, Rgb(255, 255, 0));
  canvas.SetPixel(5, 5, Rgb(255, 255, 0));  // outside the backed part: ignored
  canvas.DrawLine(1000, 2030, 1049, 2030, Rgb(0, 192, 0));
  EXPECT_EQ(image.pixel(10, 5), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(25, 30), qRgb(0, 192, 0));
}

TEST(QtCanvasTest, FilledFiguresCoverTheirExtent) {
  QImage image(100, 100, QImage::Format_RGB32);
  common::QtCanvas canvas(image, QPoint(0, 0), kBackground, kHighlight);
  canvas.Clear();
  Filled(canvas, kRed);
  canvas.DrawBox(10, 10, 20, 16, kRed);
  canvas.DrawCircle(60, 60, 10, kRed, 1.0);
  for (auto [x, y] : {std::pair{10, 10}, {20, 16}, {60, 60}, {50, 60}, {70, 60}, {60, 50}, {60, 70}})
    EXPECT_EQ(image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
  for (auto [x, y] : {std::pair{21, 16}, {48, 60}, {72, 60}, {60, 48}, {60, 72}, {52, 52}})
    EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
}

TEST(QtCanvasTest, PaintBlackIgnoresTheColour) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  common::QtCanvas canvas(image, QPoint(0, 0), Qt::white, kHighlight);
  canvas.SetDrawMode(common::DrawMode::PaintBlack);
  canvas.SetLineWidth(3);
  canvas.DrawLine(2, 10, 17, 10, Rgb(255, 255, 0));
  EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
}

}  // namespace
