// The board editor's tool and layer buttons, drawn as the things they place.
#include "common/ui/tool_icons.h"

#include "common/ui/icon_painter.h"

namespace common {
namespace {

using namespace icon_style;

// The drawing area's layer colours, so a button matches what it draws.
const QColor kComponentGreen(0, 192, 0);
const QColor kSolderRed(255, 0, 0);
const QColor kSilkscreenYellow(255, 255, 0);
const QColor kHoleBlue(88, 88, 230);

const QPointF kCentre(12, 12);

QPainterPath Disc(QPointF centre, qreal radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

QPainterPath Box(qreal left, qreal top, qreal width, qreal height) {
  QPainterPath path;
  path.addRect(left, top, width, height);
  return path;
}

void DrawCopper(QPainter& painter, const QPainterPath& shape) {
  FillOutlined(painter, shape, Copper(), CopperEdge(), 1.2);
}

// Every pad is placed with its drill: a light hole in the copper.
void DrawDrill(QPainter& painter, QPointF centre, qreal radius) {
  FillOutlined(painter, Disc(centre, radius), Paper(), CopperEdge(), 1.0);
}

void DrawPad(QPainter& painter, const QPainterPath& shape) {
  DrawCopper(painter, shape);
  DrawDrill(painter, kCentre, 3.2);
}

void DrawSelect(QPainter& painter) { DrawPointerArrow(painter); }

void DrawTrack(QPainter& painter) {
  QPainterPath track;
  track.moveTo(3.5, 19);
  track.lineTo(10, 19);
  track.lineTo(19, 10);
  track.lineTo(19, 4);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(RoundPen(CopperEdge(), 6.2));
  painter.drawPath(track);
  painter.setPen(RoundPen(Copper(), 4.0));
  painter.drawPath(track);
}

void DrawRoundPad(QPainter& painter) { DrawPad(painter, Disc(kCentre, 8.5)); }

void DrawSquarePad(QPainter& painter) { DrawPad(painter, Box(3.5, 3.5, 17, 17)); }

// Oval and rectangular pads are twice as long as wide.
void DrawOvalPad(QPainter& painter) {
  QPainterPath oval;
  oval.addEllipse(QRectF(1, 6.5, 22, 11));
  DrawPad(painter, oval);
}

void DrawRectPad(QPainter& painter) { DrawPad(painter, Box(1, 6.5, 22, 11)); }

// A free hole as the drawing area shows it: a ring crossed by its centre mark.
void DrawHole(QPainter& painter) {
  FillOutlined(painter, Disc(kCentre, 7), Paper(), kHoleBlue, 3);
  painter.setPen(RoundPen(Ink(), 1.5));
  painter.drawLine(QPointF(1.5, 12), QPointF(22.5, 12));
  painter.drawLine(QPointF(12, 1.5), QPointF(12, 22.5));
}

void DrawSilkscreenCircle(QPainter& painter) {
  StrokeWithEdge(painter, Disc(kCentre, 8), kSilkscreenYellow, 2.6);
}

void DrawText(QPainter& painter) { DrawTextLetter(painter); }

// A small DIP: a notched body outline between two rows of drilled pads.
void DrawFootprint(QPainter& painter) {
  QPainterPath body;
  body.moveTo(10, 2.5);
  body.arcTo(QRectF(10, 0.5, 4, 4), 180, 180);
  body.lineTo(16.5, 2.5);
  body.lineTo(16.5, 21.5);
  body.lineTo(7.5, 21.5);
  body.lineTo(7.5, 2.5);
  body.closeSubpath();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(RoundPen(Ink(), 1.5));
  painter.drawPath(body);
  for (qreal y : {6.0, 12.0, 18.0}) {
    for (qreal x : {4.0, 20.0}) {
      DrawCopper(painter, Disc(QPointF(x, y), 2.3));
      DrawDrill(painter, QPointF(x, y), 0.9);
    }
  }
}

// A layer button is a plate in the layer's colour, as on the drawing area.
void DrawPlate(QPainter& painter, const QColor& colour) {
  QPainterPath plate;
  plate.addRoundedRect(QRectF(2, 2, 20, 20), 3, 3);
  FillOutlined(painter, plate, colour, Ink(), 1.5);
}

// A copper layer's plate carries the layer's initial.
void DrawLayerPlate(QPainter& painter, const QColor& colour, const QString& initial) {
  DrawPlate(painter, colour);
  const qreal height = 12;
  const qreal width = LettersWidth(initial, height);
  DrawLetters(painter, initial, QPointF(12 - width / 2, 12 - height / 2), height,
              RoundPen(Ink(), 2.2));
}

void DrawComponentLayer(QPainter& painter) {
  DrawLayerPlate(painter, kComponentGreen, QStringLiteral("C"));
}
void DrawSolderLayer(QPainter& painter) {
  DrawLayerPlate(painter, kSolderRed, QStringLiteral("S"));
}

// Two S would not tell the copper and silkscreen layers apart: this one
// shows what silkscreen carries, a part's printed outline.
void DrawSilkscreenLayer(QPainter& painter) {
  DrawPlate(painter, kSilkscreenYellow);
  painter.setPen(RoundPen(Ink(), 1.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(7.5, 8.5, 9, 7));
  painter.drawLine(QPointF(4.5, 12), QPointF(7.5, 12));
  painter.drawLine(QPointF(16.5, 12), QPointF(19.5, 12));
}

const std::vector<NamedDrawing>& BoardToolDrawings() {
  static const std::vector<NamedDrawing> table = {
      {"OptSelect", DrawSelect},
      {"OptPiste", DrawTrack},
      {"OptPastilleR", DrawRoundPad},
      {"OptPastilleC", DrawSquarePad},
      {"OptPastilleOH", DrawOvalPad},
      {"OptPastilleRect", DrawRectPad},
      {"OptTrou", DrawHole},
      {"OptRond", DrawSilkscreenCircle},
      {"OptTexte", DrawText},
      {"OptEmp", DrawFootprint},
      {"OptComposant", DrawComponentLayer},
      {"OptSoudure", DrawSolderLayer},
      {"OptSerig", DrawSilkscreenLayer},
  };
  return table;
}

}  // namespace

QIcon ToolIcon(const QString& controlName) { return IconNamed(BoardToolDrawings(), controlName); }

}  // namespace common
