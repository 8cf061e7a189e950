#include "common/ui/qt_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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
  if (image_) imageArea_ = image_->rect();
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
  if (state_.PenKnown && key == state_.Pen) return;
  QPen pen = PenFor(colour);
  pen.setJoinStyle(join);
  painter.setPen(pen);
  state_.PenKnown = true;
  state_.Pen = key;
}

void QtCanvas::UseNoBrush() {
  QPainter& painter = Painter();
  if (state_.NoBrush) return;
  painter.setBrush(Qt::NoBrush);
  state_.NoBrush = true;
}

// Solid rectangles of an image, written straight into it as the painter
// would write them (copied, or inverted by the inverting pen), which costs
// a fraction of asking it: the fills of pads and of a moving selection.
void QtCanvas::FillInImage(const QRect* rects, std::size_t count, const QColor& colour) {
  // A copy of the image taken while drawing shares the pixels the painter
  // writes: writing them here would first part the image from them.
  if (!image_->isDetached()) {
    for (std::size_t i = 0; i < count; ++i) Painter().fillRect(rects[i], colour);
    return;
  }
  const QRgb source = colour.rgb();
  const bool invert = mode_ == DrawMode::NotXorPen;
  uchar* const bits = image_->bits();
  const qsizetype stride = image_->bytesPerLine();
  for (std::size_t i = 0; i < count; ++i) {
    const QRect r = rects[i] & imageArea_;
    if (r.isEmpty()) continue;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      uchar* const row = bits + (y - imageArea_.top()) * stride + 4 * (r.left() - imageArea_.left());
      FillRow(row, r.width(), source, invert);
    }
  }
}

// Two pixels at a time, as one 64-bit word: a plain loop of one pixel at a
// time is not vectorised by the usual optimisation level.
void QtCanvas::FillRow(uchar* row, int pixels, QRgb source, bool invert) {
  const std::uint64_t pair = (static_cast<std::uint64_t>(source) << 32) | source;
  constexpr std::uint64_t kOpaque = 0xFF000000FF000000u;
  int x = 0;
  for (; x + 2 <= pixels; x += 2) {
    std::uint64_t two;
    std::memcpy(&two, row + 4 * x, sizeof two);
    two = invert ? ~(pair ^ two) | kOpaque : pair;
    std::memcpy(row + 4 * x, &two, sizeof two);
  }
  if (x < pixels) {
    QRgb last;
    std::memcpy(&last, row + 4 * x, sizeof last);
    last = invert ? ~(source ^ last) | 0xFF000000u : source;
    std::memcpy(row + 4 * x, &last, sizeof last);
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
  damage_ = imageArea_;
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
  if (damage_ != imageArea_) damage_ |= QRect(x, y, 1, 1);
}

// Zoomed in, most of the drawing lies outside the image: what cannot touch
// it is left out before the painter is asked. What can joins the damage.
// Other devices get everything.
bool QtCanvas::Reaches(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  if (!image_) return true;
  const std::int64_t reach = width_ / 2 + 2;  // the pen's half width and its caps
  const QRect& area = imageArea_;
  if (right + reach < area.left() || left - reach > area.right() || bottom + reach < area.top() ||
      top - reach > area.bottom())
    return false;
  if (damage_ != area) {
    auto within = [](std::int64_t value, int low, int high) {
      return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
    };
    damage_ |= QRect(QPoint(within(left - reach, area.left(), area.right()),
                            within(top - reach, area.top(), area.bottom())),
                     QPoint(within(right + reach, area.left(), area.right()),
                            within(bottom + reach, area.top(), area.bottom())));
  }
  return true;
}

QRect QtCanvas::TakeDamage() {
  QRect damage;
  std::swap(damage, damage_);
  return damage;
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
  if (!Reaches(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2))) return;
  UsePen(colour, Qt::RoundJoin);
  if (x1 == x2 && y1 == y2)
    painter_.drawPoint(x1, y1);
  else
    painter_.drawLine(x1, y1, x2, y2);
}

// A filled figure whose outline has the fill colour is painted as one shape:
// under the inverting pen, overlapping fill and outline would cancel out.
void QtCanvas::DrawBox(int x1, int y1, int x2, int y2, Colour colour) {
  if (!Reaches(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2))) return;
  QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
  bool filled = fill_ == FillStyle::Solid;
  if (filled && fillColour_ == colour) {
    FillBox(box, EffectiveColour(colour));
    return;
  }
  UsePen(colour, Qt::MiterJoin);
  UseNoBrush();
  painter_.drawRect(box.adjusted(0, 0, -1, -1));
  if (filled && box.width() > 2 && box.height() > 2) FillBox(box.adjusted(1, 1, -1, -1), EffectiveColour(fillColour_));
}

void QtCanvas::FillBox(const QRect& box, const QColor& colour) {
  if (image_)
    FillInImage(&box, 1, colour);
  else
    Painter().fillRect(box, colour);
}

// Half the width of the row `dy` rows from the centre of an ellipse, the
// same above and below it.
double QtCanvas::HalfWidth(double rx, double ry, double dy) {
  const double t = ry > 0.0 ? dy / ry : 0.0;
  return std::floor(rx * std::sqrt(std::max(0.0, 1.0 - t * t)) + 1e-9);
}

// Appends a row's span, joined to the span above when it is as wide.
void QtCanvas::AddSpan(std::vector<QRect>& spans, const QRect& row) {
  if (!spans.empty()) {
    QRect& last = spans.back();
    if (last.left() == row.left() && last.right() == row.right() && last.bottom() + 1 == row.top()) {
      last.setBottom(row.bottom());
      return;
    }
  }
  spans.push_back(row);
}

// The spans of a whole ellipse around (0, 0). Pads and holes come by the
// dozen in a few sizes: their spans are worked out once per size.
const std::vector<QRect>& QtCanvas::ShapeOf(double rx, double ry) {
  for (const Shape& shape : shapes_)
    if (shape.Rx == rx && shape.Ry == ry) return shape.Spans;
  Shape& shape = shapes_[nextShape_];
  nextShape_ = (nextShape_ + 1) % shapes_.size();
  shape.Rx = rx;
  shape.Ry = ry;
  shape.Spans.clear();
  const double rows = std::floor(ry + 1e-9);
  for (double dy = -rows; dy <= rows; ++dy) {
    const auto half = static_cast<int>(HalfWidth(rx, ry, dy));
    AddSpan(shape.Spans, QRect(-half, static_cast<int>(dy), 2 * half + 1, 1));
  }
  return shape.Spans;
}

// A solid ellipse as one span per row: exact, symmetric about the centre
// pixel, and no pixel painted twice. Rows of the same span make one
// rectangle, and all of them are filled at once.
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
  const double columns = std::floor(rx + 1e-9);
  const QRect& area = imageArea_;
  spans_.clear();
  if (rows <= kShapeRows && cx - columns >= area.left() - 1 && cx + columns <= area.right() + 1 &&
      cy - rows >= area.top() && cy + rows <= area.bottom()) {
    for (const QRect& span : ShapeOf(rx, ry)) spans_.push_back(span.translated(cx, cy));
  } else {
    // Only the rows of the backed image are filled, and no further than a
    // pixel beyond its sides: a huge ellipse costs no more than the image.
    const double firstRow = std::max(-rows, static_cast<double>(area.top()) - cy);
    const double lastRow = std::min(rows, static_cast<double>(area.bottom()) - cy);
    for (double dy = firstRow; dy <= lastRow; ++dy) {
      const double half = HalfWidth(rx, ry, dy);
      const double left = std::max(cx - half, static_cast<double>(area.left()) - 1);
      const double right = std::min(cx + half, static_cast<double>(area.right()) + 1);
      if (right < left) continue;
      AddSpan(spans_, QRect(static_cast<int>(left), static_cast<int>(cy + dy),
                            static_cast<int>(right - left) + 1, 1));
    }
  }
  FillInImage(spans_.data(), spans_.size(), colour);
}

void QtCanvas::DrawCircle(int cx, int cy, int radius, Colour colour, double aspect) {
  // The radius is the longer half-axis.
  const std::int64_t reach = std::abs(static_cast<std::int64_t>(radius));
  if (!Reaches(cx - reach, cy - reach, cx + reach, cy + reach)) return;
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
