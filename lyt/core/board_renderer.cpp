#include "lyt/core/board_renderer.h"

#include "common/core/grid_drawing.h"
#include "lyt/core/element_drawers.h"

#include <algorithm>

namespace lyt {
namespace {

using common::Canvas;
using common::Colour;
using common::DrawMode;
using common::StrokeFont;
using common::Viewport;

constexpr float CircleLineMm = 0.15f;

// An element or item in drawing-area pixels.
struct PixelShape {
  std::int32_t Kind, X1, Y1, X2, Y2, Size, Angle;
};

// Elements and pending items share these fields. Only tracks and text
// boxes have a second point: the other kinds leave it unconverted.
template <class Record>
PixelShape ToPixels(const Record& record, const Viewport& viewport) {
  const bool twoPoints = record.Kind == ElementKind::Track || record.Kind == ElementKind::Text;
  return {record.Kind,
          viewport.MmToPixels(record.X1),
          viewport.MmToPixels(record.Y1),
          twoPoints ? viewport.MmToPixels(record.X2) : 0,
          twoPoints ? viewport.MmToPixels(record.Y2) : 0,
          viewport.MmToPixels(record.Size),
          record.Angle};
}

// So that a circle still shows when zoomed far out.
int CircleLineWidth(const Viewport& viewport) {
  return std::max(1, viewport.MmToPixels(CircleLineMm));
}

// How one pass draws its figures.
struct Ink {
  Colour Figure;
  Colour HoleFill;
  DrawMode Mode;
  int CircleWidth;
};

// Every kind with a figure of its own; texts and unknown kinds draw nothing.
void DrawFigure(const PixelShape& s, const Ink& ink, Canvas& canvas) {
  switch (s.Kind) {
    case ElementKind::Track:
      DrawTrack(s.X1, s.Y1, s.X2, s.Y2, s.Size, ink.Figure, ink.Mode, canvas);
      break;
    case ElementKind::RoundPad:
      DrawRoundPad(s.X1, s.Y1, s.Size, ink.Figure, ink.Mode, canvas);
      break;
    case ElementKind::SquarePad:
      DrawSquarePad(s.X1, s.Y1, s.Size, ink.Figure, ink.Mode, canvas);
      break;
    case ElementKind::OvalPad:
      DrawOvalPad(s.X1, s.Y1, s.Size, ink.Figure, ink.Mode, s.Angle, canvas);
      break;
    case ElementKind::RectPad:
      DrawRectPad(s.X1, s.Y1, s.Size, ink.Figure, ink.Mode, s.Angle, canvas);
      break;
    case ElementKind::Hole:
      DrawHole(s.X1, s.Y1, s.Size, ink.Figure, ink.HoleFill, ink.Mode, canvas);
      break;
    case ElementKind::Circle:
      DrawCircle(s.X1, s.Y1, s.Size, ink.CircleWidth, ink.Figure, ink.Mode, canvas);
      break;
    default:
      break;
  }
}

Ink BoardInk(Colour colour, const Board& board, const Viewport& viewport) {
  return {colour, board.Colours.HoleFillColour, DrawMode::CopyPen, CircleLineWidth(viewport)};
}

// A copper or silkscreen layer: its tracks and texts, and circles where
// the layer takes them.
struct LayerStyle {
  std::int32_t Layer;
  Colour LayerColour;
  bool MirrorText;
  bool TakesCircles;
};

bool IsOnLayer(const BoardElement& element, const LayerStyle& style) {
  if (element.Selected || element.Layer != style.Layer) return false;
  return element.Kind == ElementKind::Track || element.Kind == ElementKind::Text ||
         (style.TakesCircles && element.Kind == ElementKind::Circle);
}

void DrawBoardText(const BoardElement& text, const LayerStyle& style, const Viewport& viewport,
                   const StrokeFont& font, Canvas& canvas) {
  const int height = std::max(1, viewport.MmToPixels(text.Size));
  font.DrawText(text.Text, viewport.MmToPixels(text.X1), viewport.MmToPixels(text.Y1), height,
                style.LayerColour, text.Angle, style.MirrorText, canvas, viewport.Scale);
}

void DrawLayer(const Board& board, const LayerStyle& style, const Viewport& viewport,
               const StrokeFont& font, Canvas& canvas) {
  const Ink ink = BoardInk(style.LayerColour, board, viewport);
  for (const BoardElement& element : board.Elements) {
    if (!IsOnLayer(element, style)) continue;
    if (element.Kind == ElementKind::Text)
      DrawBoardText(element, style, viewport, font, canvas);
    else
      DrawFigure(ToPixels(element, viewport), ink, canvas);
  }
}

// Pads and holes, whatever their layer.
template <class KindTest>
void DrawThroughElements(const Board& board, KindTest takes, Colour colour,
                         const Viewport& viewport, Canvas& canvas) {
  const Ink ink = BoardInk(colour, board, viewport);
  for (const BoardElement& element : board.Elements)
    if (!element.Selected && takes(element.Kind))
      DrawFigure(ToPixels(element, viewport), ink, canvas);
}

}  // namespace

void RedrawBoard(const Board& board, const LayerView& layers, const VisibleArea& visible,
                 const Viewport& viewport, const StrokeFont& font, Canvas& canvas) {
  canvas.Clear();
  canvas.SetDrawMode(DrawMode::CopyPen);
  canvas.SetLineStyle(common::LineStyle::Solid);
  common::DrawGridAndCentreMark(viewport, visible.Picture2Left, visible.Picture2Top,
                                visible.Picture1Width, visible.Picture1Height, canvas);
  // The copper layer being edited lies on top of the other one.
  if (layers.CurrentLayer == BoardLayer::Solder) {
    DrawComponentLayer(board, layers, viewport, font, canvas);
    DrawSolderLayer(board, layers, viewport, font, canvas);
  } else {
    DrawSolderLayer(board, layers, viewport, font, canvas);
    DrawComponentLayer(board, layers, viewport, font, canvas);
  }
  DrawPads(board, viewport, canvas);
  DrawSilkscreenLayer(board, layers, viewport, font, canvas);
  DrawHoles(board, viewport, canvas);
  DrawPending(board, viewport, canvas);
}

void DrawPending(const Board& board, const Viewport& viewport, Canvas& canvas) {
  for (const PendingItem& item : board.Pending)
    if (item.Active) DrawPendingItem(item, board.Colours, viewport, canvas);
}

void DrawPendingItem(const PendingItem& item, const BoardColours& colours, const Viewport& viewport,
                     Canvas& canvas) {
  PixelShape shape = ToPixels(item, viewport);
  shape.Size = std::max(1, shape.Size);
  if (item.Kind == ElementKind::Text) {
    DrawTextBox(shape.X1, shape.Y1, shape.X2, shape.Y2, colours.PreviewColour, canvas);
    return;
  }
  const Ink ink{colours.PreviewColour, colours.HoleFillColour, DrawMode::NotXorPen,
                CircleLineWidth(viewport)};
  DrawFigure(shape, ink, canvas);
}

void DrawComponentLayer(const Board& board, const LayerView& layers, const Viewport& viewport,
                        const StrokeFont& font, Canvas& canvas) {
  if (!layers.ShowComponent) return;
  DrawLayer(board, {BoardLayer::Component, board.Colours.ComponentColour, false, false}, viewport,
            font, canvas);
}

void DrawSolderLayer(const Board& board, const LayerView& layers, const Viewport& viewport,
                     const StrokeFont& font, Canvas& canvas) {
  if (!layers.ShowSolder) return;
  DrawLayer(board, {BoardLayer::Solder, board.Colours.SolderColour, true, false}, viewport, font,
            canvas);
}

void DrawSilkscreenLayer(const Board& board, const LayerView& layers, const Viewport& viewport,
                         const StrokeFont& font, Canvas& canvas) {
  if (!layers.ShowSilkscreen) return;
  DrawLayer(board, {BoardLayer::Silkscreen, board.Colours.SilkscreenColour, false, true}, viewport,
            font, canvas);
}

void DrawPads(const Board& board, const Viewport& viewport, Canvas& canvas) {
  DrawThroughElements(board, IsPad, board.Colours.PadColour, viewport, canvas);
}

void DrawHoles(const Board& board, const Viewport& viewport, Canvas& canvas) {
  DrawThroughElements(
      board, [](std::int32_t kind) { return kind == ElementKind::Hole; }, board.Colours.HoleColour,
      viewport, canvas);
}

}  // namespace lyt
