#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QString>

#include <vector>

namespace common {

// An icon drawing paints on a 24 x 24 design grid, x to the right and y
// downwards, on a transparent background with antialiasing on. The engine
// scales the grid to whatever pixel size is asked, so icons stay sharp at
// any size and device pixel ratio.
constexpr qreal kIconGrid = 24.0;
using IconDrawing = void (*)(QPainter&);

// A QIcon that repaints `drawing` for every size and device pixel ratio;
// its disabled mode is a faded grey version.
QIcon PaintedIcon(IconDrawing drawing);

// `drawing` rendered on a transparent square image `pixels` wide.
QImage RenderIconImage(IconDrawing drawing, int pixels);

struct NamedDrawing {
  const char* Name;
  IconDrawing Drawing;
};

// The icon of the entry called `name`; a null icon when there is none.
QIcon IconNamed(const std::vector<NamedDrawing>& table, const QString& name);

// The shared look of every icon: dark ink strokes with round ends, colours
// only where they mean something on the drawing area.
namespace icon_style {

QColor Ink();
QColor Paper();  // light fill of holes and pointer, readable on any theme
QColor Copper();
QColor CopperEdge();

QPen RoundPen(const QColor& colour, qreal width);

// A coloured stroke inside a thin ink edge, so that light colours (yellow
// silkscreen, copper) still read on a light toolbar.
void StrokeWithEdge(QPainter& painter, const QPainterPath& path, const QColor& colour,
                    qreal width);

// A filled shape with an outline, in one call.
void FillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill,
                  const QColor& edge, qreal edgeWidth);

// Capital letters, digits and signs in the programs' own stroke font, the
// cell's top-left corner at `topLeft`, `height` design units tall.
void DrawLetters(QPainter& painter, const QString& text, QPointF topLeft, qreal height,
                 const QPen& pen);
qreal LettersWidth(const QString& text, qreal height);

// The selection tool of both programs: the usual mouse pointer.
void DrawPointerArrow(QPainter& painter);

// The text tool of both programs: a bold capital T.
void DrawTextLetter(QPainter& painter);

}  // namespace icon_style
}  // namespace common
