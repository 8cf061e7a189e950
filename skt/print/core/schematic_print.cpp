#include "skt/print/core/schematic_print.h"

#include "skt/core/schematic_drawers.h"
#include "skt/core/schematic_renderer.h"

namespace skt {
namespace {

using common::Canvas;
using common::PrintConversion;

constexpr float CircleLineMm = 0.15f;

// Everything is printed black with the pen that paints black.
constexpr common::Colour Black = common::Rgb(0, 0, 0);
constexpr common::DrawMode BlackPen = common::DrawMode::PaintBlack;

void PrintLine(const SchematicElement& line, float penMm, const PrintConversion& conversion,
               Canvas& canvas) {
  DrawSegment(conversion.X(line.X1), conversion.Y(line.Y1), conversion.X(line.X2),
              conversion.Y(line.Y2), conversion.Size(penMm), Black, BlackPen, canvas);
}

// The outline of the sheet, with the bus pen.
void PrintFrame(const PrintConversion& conversion, Canvas& canvas) {
  const int w = conversion.X(SheetWidth);
  const int h = conversion.Y(SheetHeight);
  const int pen = conversion.Size(BusPen);
  DrawSegment(0, 0, w, 0, pen, Black, BlackPen, canvas);
  DrawSegment(w, 0, w, h, pen, Black, BlackPen, canvas);
  DrawSegment(w, h, 0, h, pen, Black, BlackPen, canvas);
  DrawSegment(0, h, 0, 0, pen, Black, BlackPen, canvas);
}

// All dotted lines in one dashed pass, before the other figures.
void PrintDottedLines(const Schematic& schematic, const PrintConversion& conversion,
                      Canvas& canvas) {
  canvas.SetLineStyle(common::LineStyle::Dash);
  for (const SchematicElement& element : schematic.Elements)
    if (element.Kind == ElementKind::DottedLine) PrintLine(element, WirePen, conversion, canvas);
  canvas.SetLineStyle(common::LineStyle::Solid);
}

void PrintText(const SchematicElement& text, const PrintConversion& conversion,
               const common::StrokeFont& font, Canvas& canvas) {
  font.DrawText(text.Text, conversion.X(text.X1), conversion.Y(text.Y1), conversion.Size(text.Size),
                Black, text.Angle, false, canvas, conversion.PixelsPerMm());
}

// Dotted lines are already printed; kinds nothing produces print nothing.
void PrintElement(const SchematicElement& element, const PrintConversion& conversion,
                  const common::StrokeFont& font, Canvas& canvas) {
  switch (element.Kind) {
    case ElementKind::Wire:
    case ElementKind::BusEntry:
      PrintLine(element, WirePen, conversion, canvas);
      break;
    case ElementKind::Bus:
      PrintLine(element, BusPen, conversion, canvas);
      break;
    case ElementKind::Junction:
      DrawJunction(conversion.X(element.X1), conversion.Y(element.Y1),
                   conversion.Size(JunctionHalf), Black, BlackPen, canvas);
      break;
    case ElementKind::Circle:
      common::DrawCircle(conversion.X(element.X1), conversion.Y(element.Y1),
                         conversion.Size(element.Size), conversion.Size(CircleLineMm), Black,
                         BlackPen, canvas);
      break;
    case ElementKind::Text:
      PrintText(element, conversion, font, canvas);
      break;
    default:
      break;
  }
}

}  // namespace

void PrintSchema(const Schematic& schematic, const PrintConversion& conversion,
                 const common::StrokeFont& font, Canvas& canvas) {
  canvas.SetLineStyle(common::LineStyle::Solid);
  canvas.SetFillStyle(common::FillStyle::Transparent);
  canvas.SetFillColour(Black);
  PrintFrame(conversion, canvas);
  PrintDottedLines(schematic, conversion, canvas);
  for (const SchematicElement& element : schematic.Elements)
    PrintElement(element, conversion, font, canvas);
}

}  // namespace skt
