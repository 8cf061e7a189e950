#include "common/ui/qt_canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using common::Canvas;
using common::Rgb;

const QColor kBackground(0, 0, 0);
const QColor kHighlight(0, 0, 128);

// A busy background, so that an inverting figure drawn twice has something
// to get wrong.
QImage PatternedImage() {
  QImage image(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 11) & 0xFF, ((x + y) * 5) & 0xFF));
  return image;
}

struct Figure {
  const char* Name;
  std::function<void(Canvas&)> Draw;
};

class InvertingFigureTest : public ::testing::TestWithParam<Figure> {};

TEST_P(InvertingFigureTest, DrawnTwiceRestoresEveryPixel) {
  QImage image = PatternedImage();
  const QImage before = image;
  {
    common::QtCanvas canvas(image, QPoint(10, 5), kBackground, kHighlight);
    canvas.SetDrawMode(common::DrawMode::NotXorPen);
    GetParam().Draw(canvas);
  }
  EXPECT_NE(image, before) << "the figure must show";
  {
    common::QtCanvas canvas(image, QPoint(10, 5), kBackground, kHighlight);
    canvas.SetDrawMode(common::DrawMode::NotXorPen);
    GetParam().Draw(canvas);
  }
  EXPECT_EQ(image, before);
}

void Filled(Canvas& c, common::Colour fill) {
  c.SetFillStyle(common::FillStyle::Solid);
  c.SetFillColour(fill);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, InvertingFigureTest,
    ::testing::Values(
        Figure{"thin_line", [](Canvas& c) { c.DrawLine(12, 8, 90, 60, Rgb(255, 0, 0)); }},
        Figure{"wide_round_line",
               [](Canvas& c) {
                 c.SetLineWidth(9);
                 c.DrawLine(20, 20, 100, 40, Rgb(255, 0, 0));
               }},
        Figure{"zero_length_wide_line",
               [](Canvas& c) {
                 c.SetLineWidth(7);
                 c.DrawLine(50, 50, 50, 50, Rgb(255, 0, 0));
               }},
        Figure{"filled_box",
               [](Canvas& c) {
                 Filled(c, Rgb(255, 0, 0));
                 c.DrawBox(30, 30, 50, 44, Rgb(255, 0, 0));
               }},
        Figure{"dotted_box",
               [](Canvas& c) {
                 c.SetLineStyle(common::LineStyle::Dot);
                 c.DrawBox(90, 70, 20, 10, Rgb(255, 0, 0));
               }},
        Figure{"filled_circle",
               [](Canvas& c) {
                 Filled(c, Rgb(255, 0, 0));
                 c.DrawCircle(60, 50, 17, Rgb(255, 0, 0), 1.0);
               }},
        Figure{"filled_oval",
               [](Canvas& c) {
                 Filled(c, Rgb(255, 0, 0));
                 c.DrawCircle(60, 50, 30, Rgb(255, 0, 0), 0.5);
               }},
        Figure{"hole_with_other_fill",
               [](Canvas& c) {
                 Filled(c, Rgb(0, 0, 0));
                 c.DrawCircle(60, 50, 12, Rgb(128, 128, 255), 1.0);
               }},
        Figure{"outline_circle",
               [](Canvas& c) {
                 c.SetLineWidth(3);
                 c.DrawCircle(40, 40, 25, Rgb(255, 255, 0), 1.0);
               }},
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
  EXPECT_EQ(canvas.HighlightColour(), Rgb(0, 0, 128));
}

TEST(QtCanvasTest, FilledFiguresCoverTheirExtent) {
  QImage image(100, 100, QImage::Format_RGB32);
  common::QtCanvas canvas(image, QPoint(0, 0), kBackground, kHighlight);
  canvas.Clear();
  Filled(canvas, Rgb(255, 0, 0));
  canvas.DrawBox(10, 10, 20, 16, Rgb(255, 0, 0));
  EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(20, 16), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(21, 16), qRgb(0, 0, 0));
  canvas.DrawCircle(60, 60, 10, Rgb(255, 0, 0), 1.0);
  for (auto [x, y] : {std::pair{60, 60}, {50, 60}, {70, 60}, {60, 50}, {60, 70}})
    EXPECT_EQ(image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
  for (auto [x, y] : {std::pair{48, 60}, {72, 60}, {60, 48}, {60, 72}, {52, 52}})
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
