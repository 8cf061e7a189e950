// The programs' own icons: a small board for lyt, a schematic sheet for skt.
#include "common/ui/tool_icons.h"

#include "common/ui/icon_painter.h"

namespace common {
namespace {

using namespace icon_style;

const QColor kBoardGreen(26, 122, 62);
const QColor kBoardEdge(12, 66, 32);

void DrawCopperTrack(QPainter& painter, const QPolygonF& route) {
  QPainterPath path;
  path.addPolygon(route);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(RoundPen(Copper(), 2.4));
  painter.drawPath(path);
}

void DrawDrilledPad(QPainter& painter, QPointF centre) {
  painter.setPen(RoundPen(CopperEdge(), 0.8));
  painter.setBrush(Copper());
  painter.drawEllipse(centre, 2.6, 2.6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Paper());
  painter.drawEllipse(centre, 0.9, 0.9);
}

// A green board with two copper tracks joining drilled pads.
void DrawBoardProgram(QPainter& painter) {
  QPainterPath board;
  board.addRoundedRect(QRectF(1.5, 3, 21, 18), 2, 2);
  FillOutlined(painter, board, kBoardGreen, kBoardEdge, 1.2);
  DrawCopperTrack(painter, QPolygonF({{5.5, 7.5}, {12, 7.5}, {18.5, 14}}));
  DrawCopperTrack(painter, QPolygonF({{5.5, 16.5}, {11.5, 16.5}}));
  for (const QPointF centre : {QPointF(5.5, 7.5), QPointF(18.5, 14.5), QPointF(5.5, 16.5),
                               QPointF(12, 16.5)})
    DrawDrilledPad(painter, centre);
}

// A sheet with a resistor wired to ground through a junction.
void DrawSchematicProgram(QPainter& painter) {
  QPainterPath sheet;
  sheet.moveTo(3, 1.5);
  sheet.lineTo(16, 1.5);
  sheet.lineTo(21, 6.5);
  sheet.lineTo(21, 22.5);
  sheet.lineTo(3, 22.5);
  sheet.closeSubpath();
  FillOutlined(painter, sheet, Paper(), Ink(), 1.2);
  const QPen wire = RoundPen(Ink(), 1.4);
  painter.setPen(wire);
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(5.5, 9), QPointF(8, 9));
  painter.drawRect(QRectF(8, 7, 6, 4));
  painter.drawLine(QPointF(14, 9), QPointF(18.5, 9));
  painter.drawLine(QPointF(16.5, 9), QPointF(16.5, 16.5));
  painter.setPen(RoundPen(Ink(), 2.4));
  painter.drawLine(QPointF(13.5, 16.5), QPointF(19.5, 16.5));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(196, 40, 196));
  painter.drawEllipse(QPointF(16.5, 9), 1.8, 1.8);
}

IconDrawing ProgramDrawing(Program program) {
  return program == Program::Lyt ? DrawBoardProgram : DrawSchematicProgram;
}

}  // namespace

QIcon ProgramIcon(Program program) { return PaintedIcon(ProgramDrawing(program)); }

QImage ProgramIconImage(Program program, int size) {
  return RenderIconImage(ProgramDrawing(program), size);
}

}  // namespace common
