#include "bench/bare_painter.h"

#include <QPainter>

#include <algorithm>

namespace bench {
namespace {

QColor ToQColor(common::Colour c) { return QColor(common::RedOf(c), common::GreenOf(c), common::BlueOf(c)); }

}  // namespace

void BarePainter::Clear() { figures_.push_back({Kind::Clear, 0, 0, 0, 0, 0, 0, 1, false}); }

void BarePainter::SetPixel(int x, int y, common::Colour colour) {
  figures_.push_back({Kind::Pixel, x, y, 0, 0, colour, 0, 1, false});
}

void BarePainter::DrawLine(int x1, int y1, int x2, int y2, common::Colour colour) {
  figures_.push_back({Kind::Line, x1, y1, x2, y2, colour, 0, width_, false});
}

void BarePainter::DrawBox(int x1, int y1, int x2, int y2, common::Colour colour) {
  const Kind kind = filled_ && fillColour_ == colour ? Kind::FilledBox : Kind::Box;
  figures_.push_back({kind, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                      colour, fillColour_, width_, filled_});
}

void BarePainter::DrawCircle(int cx, int cy, int radius, common::Colour colour, double aspect) {
  const int rx = aspect > 1.0 ? static_cast<int>(radius / aspect) : radius;
  const int ry = aspect > 1.0 ? radius : static_cast<int>(radius * aspect);
  const Kind kind = filled_ && fillColour_ == colour ? Kind::FilledEllipse : Kind::Ellipse;
  figures_.push_back({kind, cx, cy, rx, ry, colour, fillColour_, width_, filled_});
}

// A pen is made when the line's colour or width differs from the last one:
// what anyone drawing these figures by hand would do.
void BarePainter::PaintOn(QImage& image, QPoint origin) const {
  QPainter painter(&image);
  painter.translate(-origin);
  common::Colour penColour = 0;
  int penWidth = -1;
  auto pen = [&](common::Colour colour, int width) {
    if (colour == penColour && width == penWidth) return;
    penColour = colour, penWidth = width;
    painter.setPen(QPen(ToQColor(colour), width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap,
                        Qt::RoundJoin));
  };
  for (const Figure& f : figures_) {
    switch (f.What) {
      case Kind::Clear:
        painter.fillRect(QRect(origin, image.size()), Qt::black);
        break;
      case Kind::Pixel:
        if (image.rect().contains(f.X1 - origin.x(), f.Y1 - origin.y()))
          image.setPixel(f.X1 - origin.x(), f.Y1 - origin.y(), ToQColor(f.Pen).rgb());
        break;
      case Kind::Line:
        pen(f.Pen, f.Width);
        painter.drawLine(f.X1, f.Y1, f.X2, f.Y2);
        break;
      case Kind::FilledBox:
        painter.fillRect(QRect(QPoint(f.X1, f.Y1), QPoint(f.X2, f.Y2)), ToQColor(f.Pen));
        break;
      case Kind::Box:
        pen(f.Pen, f.Width);
        painter.setBrush(f.Filled ? QBrush(ToQColor(f.Fill)) : QBrush());
        painter.drawRect(QRect(QPoint(f.X1, f.Y1), QPoint(f.X2 - 1, f.Y2 - 1)));
        break;
      case Kind::FilledEllipse:
        painter.setPen(Qt::NoPen);
        penWidth = -1;
        painter.setBrush(ToQColor(f.Pen));
        painter.drawEllipse(QPoint(f.X1, f.Y1), f.X2, f.Y2);
        break;
      case Kind::Ellipse:
        pen(f.Pen, f.Width);
        painter.setBrush(f.Filled ? QBrush(ToQColor(f.Fill)) : QBrush());
        painter.drawEllipse(QPoint(f.X1, f.Y1), f.X2, f.Y2);
        break;
    }
  }
}

}  // namespace bench
