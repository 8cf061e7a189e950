// The schematic editor's tool buttons, drawn as the symbols they place.
#include "common/ui/tool_icons.h"

#include "common/ui/icon_painter.h"

#include <QPolygonF>

namespace common {
namespace {

using namespace icon_style;

// Darker cousins of the drawing area's bus, dotted-line and junction
// colours, which are meant for a black background.
const QColor kBusBlue(24, 64, 214);
const QColor kDottedGreen(0, 150, 40);
const QColor kJunctionMagenta(196, 40, 196);

constexpr qreal kWirePen = 1.6;
constexpr qreal kBusPen = 3.6;

void DrawPolyline(QPainter& painter, const QPolygonF& points, const QPen& pen) {
  QPainterPath path;
  path.addPolygon(points);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(pen);
  painter.drawPath(path);
}

void DrawWireLine(QPainter& painter, QPointF from, QPointF to) {
  painter.setPen(RoundPen(Ink(), kWirePen));
  painter.drawLine(from, to);
}

void DrawBusLine(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
  painter.setPen(RoundPen(colour, kBusPen));
  painter.drawLine(from, to);
}

void DrawLabel(QPainter& painter, const QString& text, qreal top) {
  const qreal height = 6;
  const qreal width = LettersWidth(text, height);
  DrawLetters(painter, text, QPointF(12 - width / 2, top), height, RoundPen(Ink(), 1.5));
}

void DrawSelect(QPainter& painter) { DrawPointerArrow(painter); }

// Wire and bus share one route; the bus is thicker and blue.
QPolygonF Route() { return QPolygonF({{3, 19}, {11, 19}, {11, 5}, {21, 5}}); }

void DrawWire(QPainter& painter) { DrawPolyline(painter, Route(), RoundPen(Ink(), 2.0)); }

void DrawBus(QPainter& painter) { DrawPolyline(painter, Route(), RoundPen(kBusBlue, 4.5)); }

void DrawDottedLine(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(kDottedGreen);
  for (int i = 0; i <= 5; ++i) {
    const qreal along = 3.5 + i * 3.4;
    painter.drawEllipse(QPointF(along, 24 - along), 1.5, 1.5);
  }
}

// A wire branching off another one, joined by the junction dot.
void DrawJunction(QPainter& painter) {
  DrawWireLine(painter, QPointF(2.5, 12), QPointF(21.5, 12));
  DrawWireLine(painter, QPointF(12, 12), QPointF(12, 21.5));
  painter.setPen(RoundPen(Ink(), 1.2));
  painter.setBrush(kJunctionMagenta);
  painter.drawEllipse(QPointF(12, 12), 3.6, 3.6);
}

// A wire leaving a bus through the 45 degree entry.
void DrawBusEntry(QPainter& painter) {
  DrawBusLine(painter, QPointF(5, 2.5), QPointF(5, 21.5), kBusBlue);
  DrawPolyline(painter, QPolygonF({{5, 18}, {13, 10}, {21.5, 10}}), RoundPen(Ink(), 2.0));
}

// Ground: a stem down to one thick bar.
void DrawGround(QPainter& painter) {
  DrawWireLine(painter, QPointF(12, 3), QPointF(12, 14));
  DrawBusLine(painter, QPointF(5, 14), QPointF(19, 14), Ink());
}

// Earth: a stem, a thick bar and two shorter thin bars under it.
void DrawEarth(QPainter& painter) {
  DrawWireLine(painter, QPointF(12, 2), QPointF(12, 10));
  DrawBusLine(painter, QPointF(3, 10), QPointF(21, 10), Ink());
  painter.setPen(RoundPen(Ink(), 2.0));
  painter.drawLine(QPointF(6.5, 15), QPointF(17.5, 15));
  painter.drawLine(QPointF(10, 20), QPointF(14, 20));
}

// +5 V: the label over a bar, the stem going down to the circuit.
void DrawPlus5V(QPainter& painter) {
  DrawLabel(painter, QStringLiteral("+5V"), 1.5);
  DrawBusLine(painter, QPointF(6, 11.5), QPointF(18, 11.5), Ink());
  DrawWireLine(painter, QPointF(12, 11.5), QPointF(12, 22));
}

// -5 V: the stem coming up from the circuit, the label under the bar.
void DrawMinus5V(QPainter& painter) {
  DrawWireLine(painter, QPointF(12, 2), QPointF(12, 12.5));
  DrawBusLine(painter, QPointF(6, 12.5), QPointF(18, 12.5), Ink());
  DrawLabel(painter, QStringLiteral("-5V"), 16.5);
}

// The arrow symbol: a shaft whose barbs reach back to its tail.
void DrawArrow(QPainter& painter) {
  const QPen pen = RoundPen(Ink(), 2.0);
  DrawPolyline(painter, QPolygonF({{3, 12}, {21, 12}}), pen);
  DrawPolyline(painter, QPolygonF({{4, 5}, {21, 12}, {4, 19}}), pen);
}

// The off-sheet reference: a flag pointing right, entered from the left.
void DrawSheetLink(QPainter& painter) {
  QPainterPath flag;
  flag.moveTo(6, 7.5);
  flag.lineTo(15, 7.5);
  flag.lineTo(22, 12);
  flag.lineTo(15, 16.5);
  flag.lineTo(6, 16.5);
  flag.closeSubpath();
  FillOutlined(painter, flag, Paper(), Ink(), 2.0);
  DrawWireLine(painter, QPointF(1.5, 12), QPointF(6, 12));
}

void DrawCircle(QPainter& painter) {
  painter.setPen(RoundPen(Ink(), 2.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(12, 12), 8.5, 8.5);
}

void DrawText(QPainter& painter) { DrawTextLetter(painter); }

// A component stands for any library part: an operational amplifier.
void DrawComponent(QPainter& painter) {
  QPainterPath body;
  body.moveTo(6, 3.5);
  body.lineTo(20, 12);
  body.lineTo(6, 20.5);
  body.closeSubpath();
  FillOutlined(painter, body, Paper(), Ink(), 1.8);
  const QPen lead = RoundPen(Ink(), 1.6);
  painter.setPen(lead);
  painter.drawLine(QPointF(1.5, 8), QPointF(6, 8));
  painter.drawLine(QPointF(1.5, 16), QPointF(6, 16));
  painter.drawLine(QPointF(20, 12), QPointF(23, 12));
  painter.setPen(RoundPen(Ink(), 1.2));
  painter.drawLine(QPointF(8, 8), QPointF(11, 8));
  painter.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 9.5));
  painter.drawLine(QPointF(8, 16), QPointF(11, 16));
}

const std::vector<NamedDrawing>& SchematicToolDrawings() {
  static const std::vector<NamedDrawing> table = {
      {"OptSelect", DrawSelect},     {"OptFil", DrawWire},
      {"Optbus", DrawBus},           {"OptPoint", DrawDottedLine},
      {"OptJonction", DrawJunction}, {"OptEntreeBus", DrawBusEntry},
      {"OptMasse", DrawGround},      {"OptTerre", DrawEarth},
      {"OptPlus5V", DrawPlus5V},     {"OptMoins5V", DrawMinus5V},
      {"OptFleche", DrawArrow},      {"OptRenvoi", DrawSheetLink},
      {"OptRond", DrawCircle},       {"OptTexte", DrawText},
      {"OptComposant", DrawComponent},
  };
  return table;
}

}  // namespace

QIcon SchematicToolIcon(const QString& controlName) {
  return IconNamed(SchematicToolDrawings(), controlName);
}

}  // namespace common
