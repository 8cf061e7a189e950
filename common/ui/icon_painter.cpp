#include "common/ui/icon_painter.h"

#include <QIconEngine>
#include <QPixmap>

#include <algorithm>

#include "common/core/glyph_table.h"

namespace common {
namespace {

// Paints the design grid centred in `box`, scaled to its shorter side.
void PaintInBox(QPainter& painter, IconDrawing drawing, const QRectF& box) {
  const qreal side = std::min(box.width(), box.height());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(box.center() - QPointF(side / 2, side / 2));
  painter.scale(side / kIconGrid, side / kIconGrid);
  drawing(painter);
  painter.restore();
}

// Grey and see-through, the way a disabled button's icon is expected to look.
void Fade(QImage& image) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = 96 + qGray(line[x]) / 2;
      line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
    }
  }
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Render(IconDrawing drawing, QSize pixels, QIcon::Mode mode) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (!image.isNull()) {
    QPainter painter(&image);
    PaintInBox(painter, drawing, QRectF(QPointF(0, 0), QSizeF(pixels)));
  }
  if (mode == QIcon::Disabled) Fade(image);
  return image;
}

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(IconDrawing drawing) : drawing_(drawing) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    if (mode != QIcon::Disabled) {
      PaintInBox(*painter, drawing_, rect);
      return;
    }
    // Fading works on pixels: render at the target's own resolution.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage image = Render(drawing_, rect.size() * ratio, mode);
    image.setDevicePixelRatio(ratio);
    painter->drawImage(rect, image);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    return QPixmap::fromImage(Render(drawing_, size, mode));
  }

  // `size` already counts device pixels: draw them all rather than upscale.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                       qreal scale) override {
    QPixmap pixmap = QPixmap::fromImage(Render(drawing_, size, mode));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(drawing_); }
  QString key() const override { return QStringLiteral("lytskt.painted"); }
  bool isNull() override { return false; }

 private:
  IconDrawing drawing_;
};

const std::vector<Glyph>& IconGlyphs() {
  static const std::vector<Glyph> glyphs = BuildGlyphTable(FontVariant::Lyt);
  return glyphs;
}

const Glyph* FindIconGlyph(char32_t character) {
  const auto& glyphs = IconGlyphs();
  auto found = std::find_if(glyphs.begin(), glyphs.end(),
                            [character](const Glyph& g) { return g.Character == character; });
  return found == glyphs.end() ? nullptr : &*found;
}

}  // namespace

QIcon PaintedIcon(IconDrawing drawing) { return QIcon(new PaintedIconEngine(drawing)); }

QImage RenderIconImage(IconDrawing drawing, int pixels) {
  return Render(drawing, QSize(pixels, pixels), QIcon::Normal);
}

QIcon IconNamed(const std::vector<NamedDrawing>& table, const QString& name) {
  for (const NamedDrawing& entry : table)
    if (name == QLatin1String(entry.Name)) return PaintedIcon(entry.Drawing);
  return QIcon();
}

namespace icon_style {

QColor Ink() { return QColor(38, 40, 48); }
QColor Paper() { return QColor(252, 252, 248); }
QColor Copper() { return QColor(214, 104, 52); }
QColor CopperEdge() { return QColor(122, 46, 16); }

QPen RoundPen(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void StrokeWithEdge(QPainter& painter, const QPainterPath& path, const QColor& colour,
                    qreal width) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(RoundPen(Ink(), width + 1.6));
  painter.drawPath(path);
  painter.setPen(RoundPen(colour, width));
  painter.drawPath(path);
}

void FillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill,
                  const QColor& edge, qreal edgeWidth) {
  painter.setPen(RoundPen(edge, edgeWidth));
  painter.setBrush(fill);
  painter.drawPath(shape);
}

// Glyph strokes are in tenths of the text height, in a cell 9 tenths tall.
void DrawLetters(QPainter& painter, const QString& text, QPointF topLeft, qreal height,
                 const QPen& pen) {
  const qreal unit = height / kCellHeightTenths;
  painter.setPen(pen);
  QPointF cell = topLeft;
  for (const char32_t character : text.toUcs4()) {
    if (const Glyph* glyph = FindIconGlyph(character)) {
      for (const Stroke& s : glyph->Strokes)
        painter.drawLine(cell + QPointF(s.X1, s.Y1) * unit, cell + QPointF(s.X2, s.Y2) * unit);
    }
    cell.rx() += kAdvanceTenths * unit;
  }
}

qreal LettersWidth(const QString& text, qreal height) {
  const qreal unit = height / kCellHeightTenths;
  const auto count = text.toUcs4().size();
  if (count == 0) return 0;
  return ((count - 1) * kAdvanceTenths + kCellWidthTenths) * unit;
}

void DrawPointerArrow(QPainter& painter) {
  QPainterPath arrow;
  arrow.moveTo(6, 2.5);
  arrow.lineTo(6, 19.5);
  arrow.lineTo(10, 15.5);
  arrow.lineTo(13, 22);
  arrow.lineTo(16, 20.6);
  arrow.lineTo(13.1, 14.4);
  arrow.lineTo(18.5, 14.4);
  arrow.closeSubpath();
  FillOutlined(painter, arrow, Paper(), Ink(), 1.5);
}

void DrawTextLetter(QPainter& painter) {
  QPainterPath letter;
  letter.moveTo(4, 5);
  letter.lineTo(4, 3);
  letter.lineTo(20, 3);
  letter.lineTo(20, 5);
  letter.moveTo(12, 3);
  letter.lineTo(12, 21);
  letter.moveTo(8.5, 21);
  letter.lineTo(15.5, 21);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Ink(), 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPath(letter);
}

}  // namespace icon_style
}  // namespace common
