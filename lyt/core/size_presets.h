#pragma once

#include <string>
#include <vector>

namespace lyt {

// A list of preset sizes: the labels shown and the exact sizes stored,
// side by side, with the entry selected when the list is filled.
struct SizePresets {
  std::vector<std::string> Labels;
  std::vector<float> Sizes;
  int InitialIndex = 0;
};

const SizePresets& PadSizes();    // ComboPastille: radii (also circles)
const SizePresets& TrackSizes();  // ComboPiste: full widths
const SizePresets& HoleSizes();   // ComboTrou: drill radii

// The size at `index` of a list, the initial entry's when out of range.
float PresetSize(const SizePresets& presets, int index);

}  // namespace lyt
