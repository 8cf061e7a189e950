#include "skt/core/schematic_extent.h"

#include "common/core/drawing_extent.h"
#include "skt/core/schematic_renderer.h"

namespace skt {

std::optional<MmBox> ElementBox(const SchematicElement& e) {
  switch (e.Kind) {
    case ElementKind::Wire:
    case ElementKind::BusEntry:
    case ElementKind::DottedLine: return common::BoxOfSegment(e.X1, e.Y1, e.X2, e.Y2, WirePen / 2);
    case ElementKind::Bus: return common::BoxOfSegment(e.X1, e.Y1, e.X2, e.Y2, BusPen / 2);
    case ElementKind::Junction: return common::BoxAround(e.X1, e.Y1, JunctionHalf);
    case ElementKind::Circle: return common::BoxAround(e.X1, e.Y1, e.Size);
    case ElementKind::Text: return common::BoxOfSegment(e.X1, e.Y1, e.X2, e.Y2, 0.0f);
    default: return std::nullopt;
  }
}

std::optional<MmBox> LiveExtent(const Schematic& schematic) {
  return common::ExtentOf(schematic.Elements, ElementBox);
}

}  // namespace skt
