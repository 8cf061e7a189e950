#pragma once

namespace common {

// The controls both editors drive by name: the window gives its widgets and
// menu items these object names, and the editor enables, checks and selects
// them through the UI port.
namespace control {
inline constexpr char MnuGrille[] = "MnuGrille";
inline constexpr char MnuRester[] = "MnuRester";
inline constexpr char MnuAnnuler[] = "MnuAnnuler";
inline constexpr char MnuCouper[] = "MnuCouper";
inline constexpr char MnuCopier[] = "MnuCopier";
inline constexpr char MnuColler[] = "MnuColler";
inline constexpr char MnuSuppr[] = "MnuSuppr";
inline constexpr char MnuRotation[] = "MnuRotation";
inline constexpr char MnuEditTexte[] = "MnuEditTexte";
inline constexpr char OptSelect[] = "OptSelect";
inline constexpr char OptTexte[] = "OptTexte";
inline constexpr char OptRond[] = "OptRond";

inline constexpr const char* Shared[] = {MnuGrille, MnuRester,   MnuAnnuler,   MnuCouper,
                                         MnuCopier, MnuColler,   MnuSuppr,     MnuRotation,
                                         MnuEditTexte, OptSelect, OptTexte,    OptRond};
}  // namespace control

}  // namespace common
