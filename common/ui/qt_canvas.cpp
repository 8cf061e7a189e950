#include "common/ui/qt_canvas.h"

#include <algorithm>
#include <cmath>

namespace common {

QtCanvas::QtCanvas(QImage& image, QPoint origin, QColor background, QColor highlight)
    : device_(image),
      image_(&image),
      painter_(&image),
      origin_(origin),
      background_(background),
      highlight_(FromQColor(highlight)) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.translate(-origin_);
  open_ = painter_.isActive();
  imageArea_ = QRect(origin_, image.size());
}

QtCanvas::QtCanvas(QPaintDevice& device, QColor background, QColor highlight)
    : device_(device),
      image_(dynamic_cast<QImage*>(&device)),
      painter_(&device),
      origin_(0, 0),
      background_(background),
      highlight_(FromQColor(highlight)) {
  open_ = painter_.isActive();
  if (open_) painter_.setRenderHint(QPainter::Antialiasing, false);
}

QtCanvas::~QtCanvas() {
  if (painter_.isActive()) painter_.end();
}

PixelSize QtCanvas::PageSize() const {
  if (image_) return {};
  return {device_.width(), device_.height()};
}

bool QtCanvas::Finish() {
  open_ = false;
  return painter_.isActive() && painter_.end();
}

// An image canvas may be shown between two drawing calls (a message box
// opened while drawing runs the event loop): its painter is closed for that
// and opened again, with the same settings, at the next drawing call.
void QtCanvas::Suspend() {
  if (!image_) return;
  if (painter_.isActive()) painter_.end();
  open_ = false;
}

QPainter& QtCanvas::Painter() {
  if (!open_ && image_) {
    open_ = painter_.begin(image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.translate(-origin_);
    ApplyCompositionMode();
    state_ = PainterState{};
  }
  return painter_;
}

void QtCanvas::ApplyCompositionMode() {
  painter_.setCompositionMode(mode_ == DrawMode::NotXorPen ? QPainter::RasterOp_NotSourceXorDestination
                                                           : QPainter::CompositionMode_SourceOver);
}

QColor QtCanvas::ToQColor(Colour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

Colour QtCanvas::FromQColor(const QColor& colour) {
  return Rgb(colour.red(), colour.green(), colour.blue());
}

// The printer modes paint every figure black or white whatever its colour.
QColor QtCanvas::EffectiveColour(Colour colour) const {
  if (mode_ == DrawMode::PaintBlack) return Qt::black;
  if (mode_ == DrawMode::PaintWhite) return Qt::white;
  return ToQColor(colour);
}

// Making a pen and handing it to the painter costs more than most lines:
// done only when something it depends on changed.
void QtCanvas::UsePen(Colour colour, Qt::PenJoinStyle join) {
  QPainter& painter = Painter();
  const PenKey key{colour, width_, style_, mode_, join};
  if (state_.PenKnown && !state_.NoPen && key == state_.Pen) return;
  QPen pen = PenFor(colour);
  pen.setJoinStyle(join);
  painter.setPen(pen);
  state_.PenKnown = true;
  state_.NoPen = false;
  state_.Pen = key;
}

void QtCanvas::UseNoBrush() {
  QPainter& painter = Painter();
  if (state_.BrushKnown && state_.NoBrush) return;
  painter.setBrush(Qt::NoBrush);
  state_.BrushKnown = state_.NoBrush = true;
}

// A solid shape: no outline, the brush in `colour`.
void QtCanvas::UseFill(const QColor& colour) {
  QPainter& painter = Painter();
  if (!state_.PenKnown || !state_.NoPen) {
    painter.setPen(Qt::NoPen);
    state_.PenKnown = state_.NoPen = true;
  }
  if (!state_.BrushKnown || state_.NoBrush || state_.BrushRgb != colour.rgb()) {
    painter.setBrush(colour);
    state_.BrushKnown = true;
    state_.NoBrush = false;
    state_.BrushRgb = colour.rgb();
  }
}

QPen QtCanvas::PenFor(Colour colour) const {
  QPen pen(EffectiveColour(colour));
  pen.setWidth(std::max(1, width_));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  // Dashes and dots only show on thin lines, as on the screen of old.
  if (width_ <= 1 && style_ == LineStyle::Dash) pen.setStyle(Qt::DashLine);
  if (width_ <= 1 && style_ == LineStyle::Dot) pen.setStyle(Qt::DotLine);
  if (width_ <= 1) pen.setCapStyle(Qt::FlatCap);
  return pen;
}

void QtCanvas::Clear() {
  Painter().save();
  Painter().resetTransform();
  Painter().setCompositionMode(QPainter::CompositionMode_Source);
  Painter().fillRect(QRect(0, 0, device_.width(), device_.height()), background_);
  Painter().restore();
}

void QtCanvas::SetPixel(int x, int y, Colour colour) {
  if (!image_) {
    // A device that cannot be read back: one device pixel, drawn.
    Painter().fillRect(x, y, 1, 1, EffectiveColour(colour));
    return;
  }
  int ix = x - origin_.x();
  int iy = y - origin_.y();
  if (ix < 0 || iy < 0 || ix >= image_->width() || iy >= image_->height()) return;
  QRgb source = EffectiveColour(colour).rgb();
  if (mode_ == DrawMode::NotXorPen) {
    QRgb destination = image_->pixel(ix, iy);
    source = qRgb(0xFF & ~(qRed(source) ^ qRed(destination)),
                  0xFF & ~(qGreen(source) ^ qGreen(destination)),
                  0xFF & ~(qBlue(source) ^ qBlue(destination)));
  }
  image_->setPixel(ix, iy, source);
}

// Zoomed in, most of the drawing lies outside the image: what cannot touch
// it is left out before the painter is asked. Other devices get everything.
bool QtCanvas::MissesImage(std::int64_t left, std::int64_t top, std::int64_t right,
                           std::int64_t bottom) const {
  if (!image_) return false;
  const std::int64_t reach = width_ / 2 + 2;  // the pen's half width and its caps
  return right + reach < imageArea_.left() || left - reach > imageArea_.right() ||
         bottom + reach < imageArea_.top() || top - reach > imageArea_.bottom();
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
  if (MissesImage(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2))) return;
  UsePen(colour, Qt::RoundJoin);
  if (x1 == x2 && y1 == y2)
    painter_.drawPoint(x1, y1);
  else
    painter_.drawLine(x1, y1, x2, y2);
}

// A filled figure whose outline has the fill colour is painted as one shape:
// under the inverting pen, overlapping fill and outline would cancel out.
void QtCanvas::DrawBox(int x1, int y1, int x2, int y2, Colour colour) {
  if (MissesImage(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2))) return;
  QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
  bool filled = fill_ == FillStyle::Solid;
  if (filled && fillColour_ == colour) {
    Painter().fillRect(box, EffectiveColour(colour));
    return;
  }
  UsePen(colour, Qt::MiterJoin);
  UseNoBrush();
  painter_.drawRect(box.adjusted(0, 0, -1, -1));
  if (filled && box.width() > 2 && box.height() > 2)
    Painter().fillRect(box.adjusted(1, 1, -1, -1), EffectiveColour(fillColour_));
}

// Half the width of the row `dy` rows from the centre of an ellipse, the
// same above and below it.
double QtCanvas::HalfWidth(double rx, double ry, double dy) {
  const double t = ry > 0.0 ? dy / ry : 0.0;
  return std::floor(rx * std::sqrt(std::max(0.0, 1.0 - t * t)) + 1e-9);
}

// A solid ellipse as one span per row: exact, symmetric about the centre
// pixel, and no pixel painted twice. Rows of the same span make one
// rectangle, and all of them are filled in one call.
void QtCanvas::FillEllipse(int cx, int cy, double rx, double ry, const QColor& colour) {
  if (rx < 0.0 || ry < 0.0) return;
  if (!image_) {
    // On paper one shape, reaching as far as the rows below would.
    Painter().save();
    Painter().setPen(Qt::NoPen);
    Painter().setBrush(colour);
    Painter().drawEllipse(QPointF(cx + 0.5, cy + 0.5), std::floor(rx + 1e-9) + 0.5,
                         std::floor(ry + 1e-9) + 0.5);
    Painter().restore();
    return;
  }
  const double rows = std::floor(ry + 1e-9);
  // Only the rows of the backed image are filled: a huge ellipse costs no more
  // than the image.
  const double firstRow = std::max(-rows, static_cast<double>(origin_.y()) - cy);
  const double lastRow = std::min(rows, static_cast<double>(origin_.y()) + image_->height() - 1 - cy);
  const double imageRight = static_cast<double>(origin_.x()) + image_->width();
  // Pads come by the dozen in one size: their rows are worked out once.
  const bool cached = rows <= kCachedRows;
  if (cached && (rx != halvesRx_ || ry != halvesRy_)) {
    halves_.clear();
    for (double dy = 0; dy <= rows; ++dy) halves_.push_back(HalfWidth(rx, ry, dy));
    halvesRx_ = rx;
    halvesRy_ = ry;
  }
  spans_.clear();
  for (double dy = firstRow; dy <= lastRow; ++dy) {
    const double half = cached ? halves_[static_cast<std::size_t>(std::abs(dy))] : HalfWidth(rx, ry, dy);
    double left = std::max(cx - half, static_cast<double>(origin_.x()) - 1);
    double right = std::min(cx + half, imageRight);
    if (right < left) continue;
    const QRect row(static_cast<int>(left), static_cast<int>(cy + dy), static_cast<int>(right - left) + 1, 1);
    QRect* last = spans_.isEmpty() ? nullptr : &spans_.last();
    if (last && last->left() == row.left() && last->right() == row.right() && last->bottom() + 1 == row.top())
      last->setBottom(row.bottom());
    else
      spans_.append(row);
  }
  // A few rectangles (a small shape) cost less filled one by one than
  // switching the painter's pen and brush to them and back.
  constexpr int kFewSpans = 4;
  const bool painterFills =
      state_.PenKnown && state_.NoPen && state_.BrushKnown && !state_.NoBrush && state_.BrushRgb == colour.rgb();
  if (spans_.size() <= kFewSpans && !painterFills) {
    for (const QRect& span : spans_) Painter().fillRect(span, colour);
    return;
  }
  UseFill(colour);
  painter_.drawRects(spans_.constData(), static_cast<int>(spans_.size()));
}

void QtCanvas::DrawCircle(int cx, int cy, int radius, Colour colour, double aspect) {
  // The radius is the longer half-axis.
  const std::int64_t reach = std::abs(static_cast<std::int64_t>(radius));
  if (MissesImage(cx - reach, cy - reach, cx + reach, cy + reach)) return;
  double rx = radius;
  double ry = radius;
  if (aspect > 1.0)
    rx = radius / aspect;
  else
    ry = radius * aspect;
  bool filled = fill_ == FillStyle::Solid;
  if (filled && fillColour_ == colour) {
    FillEllipse(cx, cy, rx, ry, EffectiveColour(colour));
    return;
  }
  if (filled) FillEllipse(cx, cy, rx - 1.0, ry - 1.0, EffectiveColour(fillColour_));
  UsePen(colour, Qt::RoundJoin);
  UseNoBrush();
  painter_.drawEllipse(QPointF(cx, cy), rx, ry);
}

void QtCanvas::SetDrawMode(DrawMode mode) {
  const bool changed = mode != mode_;
  mode_ = mode;
  // Opening the painter sets the mode; an open one needs it only when it changed.
  if (open_ && !changed) return;
  Painter();
  ApplyCompositionMode();
}

void QtCanvas::SetLineWidth(int width) { width_ = std::max(1, width); }
void QtCanvas::SetLineStyle(LineStyle style) { style_ = style; }
void QtCanvas::SetFillStyle(FillStyle style) { fill_ = style; }
void QtCanvas::SetFillColour(Colour colour) { fillColour_ = colour; }

}  // namespace common
