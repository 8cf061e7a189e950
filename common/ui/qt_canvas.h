#pragma once

#include "common/core/canvas.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>

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

 private:
  QColor EffectiveColour(Colour colour) const;
  QPainter& Painter();
  void ApplyCompositionMode();
  QPen PenFor(Colour colour) const;
  void FillEllipse(int cx, int cy, double rx, double ry, const QColor& colour);

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
};

}  // namespace common
