#include "lyt/print/core/board_print.h"

#include "common/core/rounding.h"
#include "lyt/core/element_drawers.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lyt {

using common::PrintConversion;

namespace {

using common::Canvas;
using common::Colour;
using common::DrawMode;

constexpr float CircleLineMm = 0.15f;

// The colour of a routine, and the pen that keeps black prints black.
struct PrintInk {
  Colour Figure;
  DrawMode Mode;
};

PrintInk InkFor(Colour colour, bool black) {
  if (black) return {PrintColour::Black, DrawMode::PaintBlack};
  return {colour, DrawMode::CopyPen};
}

int Offset(int base, std::int64_t delta) { return common::SaturatingAdd(base, delta); }

struct CopperLayer {
  std::int32_t Layer;
  Colour LayerColour;
  bool MirrorText;
  bool TakesCircles;
};

void PrintText(const BoardElement& text, const CopperLayer& layer, const PrintInk& ink,
               const PrintConversion& conversion, const common::StrokeFont& font,
               Canvas& canvas) {
  font.DrawText(text.Text, conversion.X(text.X1), conversion.Y(text.Y1),
                conversion.Size(text.Size), ink.Figure, text.Angle, layer.MirrorText, canvas,
                conversion.PixelsPerMm());
}

void PrintLayer(const Board& board, const CopperLayer& layer, const PrintConversion& conversion,
                bool black, const common::StrokeFont& font, Canvas& canvas) {
  const PrintInk ink = InkFor(layer.LayerColour, black);
  const int circleWidth = conversion.Size(CircleLineMm);
  for (const BoardElement& element : board.Elements) {
    if (element.Layer != layer.Layer) continue;
    switch (element.Kind) {
      case ElementKind::Track:
        DrawTrack(conversion.X(element.X1), conversion.Y(element.Y1), conversion.X(element.X2),
                  conversion.Y(element.Y2), conversion.Size(element.Size), ink.Figure, ink.Mode,
                  canvas);
        break;
      case ElementKind::Text:
        PrintText(element, layer, ink, conversion, font, canvas);
        break;
      case ElementKind::Circle:
        if (layer.TakesCircles)
          DrawCircle(conversion.X(element.X1), conversion.Y(element.Y1),
                     conversion.Size(element.Size), circleWidth, ink.Figure, ink.Mode, canvas);
        break;
      default:
        break;
    }
  }
}

void PrintPad(const BoardElement& pad, const PrintInk& ink, const PrintConversion& conversion,
              Canvas& canvas) {
  const int x = conversion.X(pad.X1);
  const int y = conversion.Y(pad.Y1);
  const int r = conversion.Size(pad.Size);
  switch (pad.Kind) {
    case ElementKind::RoundPad:
      DrawRoundPad(x, y, r, ink.Figure, ink.Mode, canvas);
      break;
    case ElementKind::SquarePad:
      DrawSquarePad(x, y, r, ink.Figure, ink.Mode, canvas);
      break;
    case ElementKind::OvalPad:
      DrawOvalPad(x, y, r, ink.Figure, ink.Mode, pad.Angle, canvas);
      break;
    case ElementKind::RectPad:
      DrawRectPad(x, y, r, ink.Figure, ink.Mode, pad.Angle, canvas);
      break;
    default:
      break;
  }
}

// The ring sits just outside the drill, so it still shows on a pad of the
// same colour; the white centre is the drill point.
void PrintHole(const BoardElement& hole, const PrintInk& ink, const PrintConversion& conversion,
               Canvas& canvas) {
  const int x = conversion.X(hole.X1);
  const int y = conversion.Y(hole.Y1);
  const int r = conversion.Size(hole.Size);
  DrawCircle(x, y, Offset(r, 1), 1, ink.Figure, ink.Mode, canvas);
  DrawRoundPad(x, y, r - 1, PrintColour::HoleCentre, DrawMode::PaintWhite, canvas);
  const int d = common::RoundHalfEven(1.5 * r);
  DrawTrack(Offset(x, -d), y, Offset(x, d), y, 1, ink.Figure, ink.Mode, canvas);
  DrawTrack(x, Offset(y, -d), x, Offset(y, d), 1, ink.Figure, ink.Mode, canvas);
}

}  // namespace

void PrintComposant(const Board& board, const PrintConversion& conversion, bool black,
                    const common::StrokeFont& font, Canvas& canvas) {
  PrintLayer(board, {BoardLayer::Component, PrintColour::Component, false, false}, conversion,
             black, font, canvas);
}

void PrintSoudure(const Board& board, const PrintConversion& conversion, bool black,
                  const common::StrokeFont& font, Canvas& canvas) {
  PrintLayer(board, {BoardLayer::Solder, PrintColour::Solder, true, false}, conversion, black,
             font, canvas);
}

void PrintSerig(const Board& board, const PrintConversion& conversion, bool black,
                const common::StrokeFont& font, Canvas& canvas) {
  PrintLayer(board, {BoardLayer::Silkscreen, PrintColour::Silkscreen, false, true}, conversion,
             black, font, canvas);
}

void PrintPastilles(const Board& board, const PrintConversion& conversion, bool black,
                    Canvas& canvas) {
  const PrintInk ink = InkFor(PrintColour::Pads, black);
  for (const BoardElement& element : board.Elements)
    if (IsPad(element.Kind)) PrintPad(element, ink, conversion, canvas);
}

void PrintTrous(const Board& board, const PrintConversion& conversion, bool black,
                Canvas& canvas) {
  const PrintInk ink = InkFor(PrintColour::Holes, black);
  for (const BoardElement& element : board.Elements)
    if (element.Kind == ElementKind::Hole) PrintHole(element, ink, conversion, canvas);
}

void PrintBoardPage(const Board& board, const lyt::PrintChoice& choice,
                    const PrintConversion& conversion, const common::StrokeFont& font,
                    Canvas& canvas) {
  canvas.SetLineStyle(common::LineStyle::Solid);
  canvas.SetFillColour(PrintColour::Black);
  const bool black = choice.Black;
  if (choice.Component) {
    PrintPastilles(board, conversion, black, canvas);
    PrintComposant(board, conversion, black, font, canvas);
    PrintTrous(board, conversion, black, canvas);
  }
  if (choice.Solder) {
    PrintPastilles(board, conversion, black, canvas);
    PrintSoudure(board, conversion, black, font, canvas);
    PrintTrous(board, conversion, black, canvas);
  }
  if (choice.Silkscreen) PrintSerig(board, conversion, black, font, canvas);
  if (choice.Drill) PrintTrous(board, conversion, black, canvas);
}

}  // namespace lyt
