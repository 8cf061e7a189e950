#include "skt/core/schematic_renderer.h"

#include "skt/core/schematic_drawers.h"

namespace skt {
namespace {

using common::Canvas;
using common::Colour;
using common::DrawMode;
using common::LineStyle;
using common::Viewport;

// An element or item in drawing-area pixels.
struct PixelShape {
  std::int32_t Kind, X1, Y1, X2, Y2, Size;
};

// Elements and pending items share these fields.
template <class Record>
PixelShape ToPixels(const Record& record, const Viewport& viewport) {
  return {record.Kind,
          viewport.MmToPixels(record.X1),
          viewport.MmToPixels(record.Y1),
          viewport.MmToPixels(record.X2),
          viewport.MmToPixels(record.Y2),
          viewport.MmToPixels(record.Size)};
}

// How one figure is drawn: its colour, the pen, and the width of a dotted
// line (1 pixel in the redraw, the wire pen in hand).
struct Ink {
  Colour Figure;
  DrawMode Mode;
  int DottedWidth;
};

void DrawDashedSegment(const PixelShape& s, const Ink& ink, Canvas& canvas) {
  canvas.SetLineStyle(LineStyle::Dash);
  DrawSegment(s.X1, s.Y1, s.X2, s.Y2, ink.DottedWidth, ink.Figure, ink.Mode, canvas);
  canvas.SetLineStyle(LineStyle::Solid);
}

// Every kind with a figure; texts and the kinds nothing produces draw nothing.
void DrawFigure(const PixelShape& s, const Ink& ink, const Viewport& viewport, Canvas& canvas) {
  switch (s.Kind) {
    case ElementKind::Wire:
    case ElementKind::BusEntry:
      DrawSegment(s.X1, s.Y1, s.X2, s.Y2, viewport.MmToPixels(WirePen), ink.Figure, ink.Mode,
                  canvas);
      break;
    case ElementKind::Bus:
      DrawSegment(s.X1, s.Y1, s.X2, s.Y2, viewport.MmToPixels(BusPen), ink.Figure, ink.Mode,
                  canvas);
      break;
    case ElementKind::DottedLine:
      DrawDashedSegment(s, ink, canvas);
      break;
    case ElementKind::Junction:
      DrawJunction(s.X1, s.Y1, viewport.MmToPixels(JunctionHalf), ink.Figure, ink.Mode, canvas);
      break;
    case ElementKind::Circle:
      DrawCircle(s.X1, s.Y1, s.Size, ink.Figure, ink.Mode, canvas);
      break;
    default:
      break;
  }
}

// Lines and junctions of a symbol or component share one colour; circles and
// texts have theirs whatever their group.
Colour ElementColour(const SchematicElement& element, const SchematicColours& colours) {
  switch (element.Kind) {
    case ElementKind::Circle:
      return colours.CircleColour;
    case ElementKind::Text:
      return colours.TextColour;
    default:
      break;
  }
  if (element.Group != 0) return colours.SymbolColour;
  switch (element.Kind) {
    case ElementKind::Bus:
      return colours.BusColour;
    case ElementKind::DottedLine:
      return colours.DottedColour;
    case ElementKind::Junction:
      return colours.JunctionColour;
    default:
      return colours.WireColour;
  }
}

void DrawElementText(const SchematicElement& text, Colour colour, const Viewport& viewport,
                     const common::StrokeFont& font, Canvas& canvas) {
  font.DrawText(text.Text, viewport.MmToPixels(text.X1), viewport.MmToPixels(text.Y1),
                viewport.MmToPixels(text.Size), colour, text.Angle, false, canvas, viewport.Scale);
}

}  // namespace

void RedrawSchematic(const Schematic& schematic, const VisibleArea& visible,
                     const Viewport& viewport, const common::StrokeFont& font, Canvas& canvas) {
  canvas.Clear();
  canvas.SetDrawMode(DrawMode::CopyPen);
  canvas.SetLineStyle(LineStyle::Solid);
  common::DrawGridAndCentreMark(viewport, visible.Picture2Left, visible.Picture2Top,
                                visible.Picture1Width, visible.Picture1Height, canvas);
  DrawElements(schematic, viewport, font, canvas);
  DrawPending(schematic, viewport, canvas);
}

void DrawElements(const Schematic& schematic, const Viewport& viewport,
                  const common::StrokeFont& font, Canvas& canvas) {
  for (const SchematicElement& element : schematic.Elements) {
    if (element.Selected) continue;
    const Colour colour = ElementColour(element, schematic.Colours);
    if (element.Kind == ElementKind::Text)
      DrawElementText(element, colour, viewport, font, canvas);
    else
      DrawFigure(ToPixels(element, viewport), {colour, DrawMode::CopyPen, 1}, viewport, canvas);
  }
}

void DrawPending(const Schematic& schematic, const Viewport& viewport, Canvas& canvas) {
  for (const PendingItem& item : schematic.Pending)
    if (item.Active) DrawPendingItem(item, schematic.Colours, viewport, canvas);
}

void DrawPendingItem(const PendingItem& item, const SchematicColours& colours,
                     const Viewport& viewport, Canvas& canvas) {
  const PixelShape shape = ToPixels(item, viewport);
  if (item.Kind == ElementKind::Text) {
    DrawTextBox(shape.X1, shape.Y1, shape.X2, shape.Y2, colours.PreviewColour, canvas);
    return;
  }
  const Ink ink{colours.PreviewColour, DrawMode::NotXorPen, viewport.MmToPixels(WirePen)};
  DrawFigure(shape, ink, viewport, canvas);
}

}  // namespace skt
