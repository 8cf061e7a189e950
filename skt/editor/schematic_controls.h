#pragma once

#include "common/core/control_names.h"

namespace skt {

// The schematic window's own controls that the editor drives by name,
// beside the shared ones.
namespace control {
using namespace common::control;

inline constexpr char MnuHoriz[] = "MnuHoriz";
inline constexpr char MnuVertical[] = "MnuVertical";
inline constexpr char OptFil[] = "OptFil";
inline constexpr char Optbus[] = "Optbus";
inline constexpr char OptPoint[] = "OptPoint";
inline constexpr char OptJonction[] = "OptJonction";
inline constexpr char OptEntreeBus[] = "OptEntreeBus";
inline constexpr char OptMasse[] = "OptMasse";
inline constexpr char OptTerre[] = "OptTerre";
inline constexpr char OptPlus5V[] = "OptPlus5V";
inline constexpr char OptMoins5V[] = "OptMoins5V";
inline constexpr char OptFleche[] = "OptFleche";
inline constexpr char OptRenvoi[] = "OptRenvoi";
inline constexpr char OptComposant[] = "OptComposant";
inline constexpr char ComboRond[] = "ComboRond";
inline constexpr char ComboDossier[] = "ComboDossier";
inline constexpr char ComboEmp[] = "ComboEmp";

inline constexpr const char* Schematic[] = {
    MnuHoriz,  MnuVertical, OptFil,     OptPoint,   Optbus,       OptJonction,
    OptEntreeBus, OptMasse, OptTerre,   OptPlus5V,  OptMoins5V,   OptFleche,
    OptRenvoi, OptComposant, ComboRond, ComboDossier, ComboEmp};
}  // namespace control

}  // namespace skt
