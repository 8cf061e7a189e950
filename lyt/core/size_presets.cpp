#include "lyt/core/size_presets.h"

namespace lyt {

// The labels are rounded; the sizes are mostly exact fractions of an inch.
const SizePresets& PadSizes() {
  static const SizePresets presets{
      {"1.27mm", "->1.59mm", "1.90mm", "2.22mm", "2.54mm", "3.81mm", "5.08mm", "6.35mm", "7.62mm",
       "10.16mm", "15.24mm", "20.32mm", "25.4mm", "30.48mm", "38.1mm", "45.72mm", "50.8mm"},
      {0.635f, 0.79375f, 0.9525f, 1.11f, 1.27f, 1.905f, 2.54f, 3.175f, 3.81f, 5.08f, 7.62f, 10.16f,
       12.7f, 15.24f, 19.05f, 22.86f, 25.4f},
      1};
  return presets;
}

const SizePresets& TrackSizes() {
  static const SizePresets presets{
      {"0.16mm", "->0.32mm", "0.63mm", "0.95mm", "1.27mm", "1.90mm", "2.54mm", "3.175mm", "3.81mm",
       "5.08mm", "7.62mm", "10.16mm", "20.32mm"},
      {0.15875f, 0.3175f, 0.635f, 0.9525f, 1.27f, 1.905f, 2.54f, 3.175f, 3.81f, 5.08f, 7.62f,
       10.16f, 20.32f},
      1};
  return presets;
}

const SizePresets& HoleSizes() {
  static const SizePresets presets{
      {"->0.8mm", "1mm", "1.2mm", "1.5mm", "2mm", "2.5mm", "3mm", "3.2mm", "3.5mm", "4mm", "4.2mm",
       "4.5mm", "5mm", "6mm", "7mm", "8mm", "9mm", "10mm"},
      {0.4f, 0.5f, 0.6f, 0.75f, 1.0f, 1.25f, 1.5f, 1.6f, 1.75f, 2.0f, 2.1f, 2.25f, 2.5f, 3.0f, 3.5f,
       4.0f, 4.5f, 5.0f},
      0};
  return presets;
}

float PresetSize(const SizePresets& presets, int index) {
  if (index < 0 || index >= static_cast<int>(presets.Sizes.size()))
    index = presets.InitialIndex;
  return presets.Sizes[static_cast<std::size_t>(index)];
}

}  // namespace lyt
