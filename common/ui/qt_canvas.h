#pragma once

#include "common/core/canvas.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>
#include <vector>

namespace common {

// A Canvas on a QImage that backs part of a larger drawing surface: the
// image's pixel (0, 0) is the surface's pixel `origin`, so the drawers keep
// working in surface coordinates while only the visible part is stored.
// Antialiasing stays off: the inverting pen must restore pixels exactly.
//
// It can also draw on any other paint device (a printer, a PDF file) in that
// device's pixels; solid ellipses are then painted as shapes rather than
// pixel rows, and the inverting pen is left to devices that support it.
class QtCanvas : public Canvas {
 public:
  QtCanvas(QImage& image, QPoint origin, QColor background, QColor highlight);
  QtCanvas(QPaintDevice& device, QColor background, QColor highlight);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void Clear() override;
  void SetPixel(int x, int y, Colour colour) override;
  void DrawLine(int x1, int y1, int x2, int y2, Colour colour) override;
  void DrawBox(int x1, int y1, int x2, int y2, Colour colour) override;
  void DrawCircle(int cx, int cy, int radius, Colour colour, double aspect) override;

  void SetDrawMode(DrawMode mode) override;
  void SetLineWidth(int width) override;
  void SetLineStyle(LineStyle style) override;
  void SetFillStyle(FillStyle style) override;
  void SetFillColour(Colour colour) override;
  Colour HighlightColour() const override { return highlight_; }
  // A printer's printable area; an image has no page.
  PixelSize PageSize() const override;

  static QColor ToQColor(Colour colour);
  static Colour FromQColor(const QColor& colour);

  // False when the device refused to start painting (a printer that
  // cannot be opened, a file that cannot be written).
  bool IsActive() const { return painter_.isActive(); }
  // Ends painting: a printer sends its page. False when that failed.
  bool Finish();
  // Closes the painter of an image canvas so the image can be shown; the
  // next drawing call opens it again.
  void Suspend();
  // The part of the image drawn on since the last call, in the pixels of
  // the larger surface; empty when nothing was drawn (or not on an image).
  QRect TakeDamage();

 private:
  // What the painter's pen was made from: while it stays the same, the pen
  // is not made again.
  struct PenKey {
    common::Colour Ink = 0;
    int Width = 0;
    LineStyle Style = LineStyle::Solid;
    DrawMode Mode = DrawMode::CopyPen;
    Qt::PenJoinStyle Join = Qt::RoundJoin;
    bool operator==(const PenKey& other) const {
      return Ink == other.Ink && Width == other.Width && Style == other.Style &&
             Mode == other.Mode && Join == other.Join;
    }
  };

  QColor EffectiveColour(Colour colour) const;
  QPainter& Painter();
  void ApplyCompositionMode();
  QPen PenFor(Colour colour) const;
  // Each sets the painter's pen and brush for one kind of figure, unless
  // the painter has them already.
  void UsePen(Colour colour, Qt::PenJoinStyle join);
  void UseNoBrush();
  void FillInImage(const QRect* rects, std::size_t count, const QColor& colour);
  void FillBox(const QRect& box, const QColor& colour);
  static void FillRow(uchar* row, int pixels, QRgb source, bool invert);
  void FillEllipse(int cx, int cy, double rx, double ry, const QColor& colour);
  static double HalfWidth(double rx, double ry, double dy);
  static void AddSpan(std::vector<QRect>& spans, const QRect& row);
  const std::vector<QRect>& ShapeOf(double rx, double ry);
  bool Reaches(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

  QPaintDevice& device_;
  QImage* image_;  // null on other devices
  QPainter painter_;
  QPoint origin_;
  QColor background_;
  Colour highlight_;
  DrawMode mode_ = DrawMode::CopyPen;
  int width_ = 1;
  LineStyle style_ = LineStyle::Solid;
  FillStyle fill_ = FillStyle::Transparent;
  Colour fillColour_ = 0;
  // What the painter holds; all unknown when it has just been opened.
  struct PainterState {
    bool PenKnown = false;  // the painter's pen is the one Pen describes
    PenKey Pen;
    bool NoBrush = false;   // the painter's brush is Qt::NoBrush
  };
  PainterState state_;
  bool open_ = false;     // the painter is painting
  QRect imageArea_;       // the drawing pixels the image holds
  QRect damage_;          // what was drawn on since TakeDamage
  std::vector<QRect> spans_;  // the rows of a solid ellipse, kept for the next one
  // The spans of the last few sizes of ellipse, around (0, 0).
  struct Shape {
    double Rx = -1.0;
    double Ry = -1.0;
    std::vector<QRect> Spans;
  };
  static constexpr double kShapeRows = 512;
  std::array<Shape, 4> shapes_;
  std::size_t nextShape_ = 0;
};

}  // namespace common
