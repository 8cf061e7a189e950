#include "skt/core/schematic.h"

namespace skt {

float CircleRadiusAt(int index) {
  if (index < 0 || index >= static_cast<int>(CircleRadii.size())) index = InitialCircleIndex;
  return CircleRadii[static_cast<std::size_t>(index)];
}

void InitDocument(Schematic& schematic) {
  common::ResetDrawingDocument(schematic);
  schematic.CaptionPrefix = SchematicCaptionPrefix;
  schematic.Colours = SchematicColours{};
}

}  // namespace skt
