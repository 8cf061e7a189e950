#pragma once

#include "common/core/control_names.h"

namespace lyt {

// The board window's own controls that the editor drives by name, beside the
// shared ones.
namespace control {
using namespace common::control;

inline constexpr char MnuChanger[] = "MnuChanger";
inline constexpr char MnuInfo[] = "MnuInfo";
inline constexpr char MnuComposant[] = "MnuComposant";
inline constexpr char MnuSoudure[] = "MnuSoudure";
inline constexpr char MnuSerig[] = "MnuSerig";
inline constexpr char OptPiste[] = "OptPiste";
inline constexpr char OptPastilleR[] = "OptPastilleR";
inline constexpr char OptPastilleC[] = "OptPastilleC";
inline constexpr char OptPastilleOH[] = "OptPastilleOH";
inline constexpr char OptPastilleRect[] = "OptPastilleRect";
inline constexpr char OptTrou[] = "OptTrou";
inline constexpr char OptEmp[] = "OptEmp";
inline constexpr char OptComposant[] = "OptComposant";
inline constexpr char OptSoudure[] = "OptSoudure";
inline constexpr char OptSerig[] = "OptSerig";
inline constexpr char ComboPastille[] = "ComboPastille";
inline constexpr char ComboPiste[] = "ComboPiste";
inline constexpr char ComboTrou[] = "ComboTrou";
inline constexpr char ComboEmp[] = "ComboEmp";

inline constexpr const char* Board[] = {
    MnuChanger,   MnuInfo,    MnuComposant, MnuSoudure,    MnuSerig,      OptPiste,
    OptPastilleR, OptPastilleC, OptPastilleOH, OptPastilleRect, OptTrou, OptEmp,
    OptComposant, OptSoudure, OptSerig,     ComboPastille, ComboPiste,    ComboTrou,
    ComboEmp};
}  // namespace control

}  // namespace lyt
