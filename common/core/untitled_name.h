#pragma once

namespace common {

// The name of a document that was never saved: shown in the caption,
// offered by the save dialog, and the sign that Save must ask for a name.
inline constexpr const char* UntitledFileName = "Sans Nom";

}  // namespace common
