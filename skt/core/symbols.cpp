#include "skt/core/symbols.h"

#include "common/core/stroke_font.h"

namespace skt {
namespace {

constexpr float LabelHeight = 1.5f;

PendingItem Item(std::int32_t kind, float x1, float y1, float x2 = 0.0f, float y2 = 0.0f) {
  PendingItem item;
  item.Kind = kind;
  item.X1 = x1;
  item.Y1 = y1;
  item.X2 = x2;
  item.Y2 = y2;
  item.MoveMode = PendingMove::Whole;
  item.Active = true;
  return item;
}

PendingItem Wire(float x1, float y1, float x2, float y2) { return Item(ElementKind::Wire, x1, y1, x2, y2); }
PendingItem Bus(float x1, float y1, float x2, float y2) { return Item(ElementKind::Bus, x1, y1, x2, y2); }

// A closed outline through `points`, one wire per side.
std::vector<PendingItem> Outline(const std::vector<common::MmPoint>& points) {
  std::vector<PendingItem> items;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const common::MmPoint& a = points[i];
    const common::MmPoint& b = points[(i + 1) % points.size()];
    items.push_back(Wire(a.X, a.Y, b.X, b.Y));
  }
  return items;
}

}  // namespace

bool IsGroupedSymbol(Symbol symbol) {
  return symbol != Symbol::Junction && symbol != Symbol::BusEntry && symbol != Symbol::Circle;
}

PendingItem LabelItem(const char* text, float height, float x, float y,
                      const common::Viewport& viewport) {
  PendingItem label = Item(ElementKind::Text, x, y);
  label.Text = text;
  label.Size = height;
  const int length = common::StrokeFont::TextLength(label.Text, viewport.MmToPixels(height));
  label.X2 = x + viewport.PixelsToMm(length);
  label.Y2 = y + height;
  return label;
}

std::vector<PendingItem> BuildSymbol(Symbol symbol, float circleRadius,
                                     const common::Viewport& viewport) {
  switch (symbol) {
    case Symbol::Junction:
      return {Item(ElementKind::Junction, 0, 0)};
    case Symbol::BusEntry:
      return {Item(ElementKind::BusEntry, 0, 0, 2, -2)};
    case Symbol::Circle: {
      PendingItem circle = Item(ElementKind::Circle, 0, 0);
      circle.Size = circleRadius;
      return {circle};
    }
    case Symbol::Ground:
      return {Wire(0, 0, 0, 2), Bus(-1, 2, 1, 2)};
    case Symbol::Earth:
      return {Wire(0, 0, 0, 2), Bus(-2, 2, 2, 2), Wire(-1.5f, 3, 1.5f, 3), Wire(-0.5f, 4, 0.5f, 4)};
    case Symbol::Plus5V:
      return {Wire(2, 2, 2, 4), Bus(1, 2, 3, 2), LabelItem("+5V", LabelHeight, 0, 0, viewport)};
    case Symbol::Minus5V:
      return {Wire(2, 0, 2, -2), Bus(1, 0, 3, 0), LabelItem("-5V", LabelHeight, 0, 0, viewport)};
    case Symbol::Arrow:
      return {Wire(0, 0, 2, 0), Wire(2, 0, 0, 1), Wire(2, 0, 0, -1)};
    case Symbol::SheetLink:
      return Outline({{0, 0}, {0, 1}, {4, 1}, {6, 0}, {4, -1}, {0, -1}});
  }
  return {};
}

}  // namespace skt
