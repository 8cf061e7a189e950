#pragma once

#include "common/core/canvas.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace bench {

// The reference of the redraw cases: what a drawing asked of its canvas,
// recorded once, then painted by the plainest QPainter loop there is, with
// no canvas in between. The redraw is measured against that.
class BarePainter : public common::Canvas {
 public:
  // Paints the recorded figures on `image`, whose pixel (0, 0) is the
  // drawing's pixel `origin`.
  void PaintOn(QImage& image, QPoint origin) const;

  void Clear() override;
  void SetPixel(int x, int y, common::Colour colour) override;
  void DrawLine(int x1, int y1, int x2, int y2, common::Colour colour) override;
  void DrawBox(int x1, int y1, int x2, int y2, common::Colour colour) override;
  void DrawCircle(int cx, int cy, int radius, common::Colour colour, double aspect) override;
  void SetDrawMode(common::DrawMode) override {}
  void SetLineWidth(int width) override { width_ = width < 1 ? 1 : width; }
  void SetLineStyle(common::LineStyle) override {}
  void SetFillStyle(common::FillStyle style) override { filled_ = style == common::FillStyle::Solid; }
  void SetFillColour(common::Colour colour) override { fillColour_ = colour; }
  common::Colour HighlightColour() const override { return common::Rgb(0, 0, 128); }

 private:
  enum class Kind { Clear, Pixel, Line, FilledBox, Box, FilledEllipse, Ellipse };
  struct Figure {
    Kind What;
    int X1, Y1, X2, Y2;  // ellipse: centre and the two half-axes
    common::Colour Pen, Fill;
    int Width;
    bool Filled;
  };

  std::vector<Figure> figures_;
  int width_ = 1;
  bool filled_ = false;
  common::Colour fillColour_ = 0;
};

}  // namespace bench
