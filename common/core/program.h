#pragma once

namespace common {

// The two programs built from this tree: the board layout editor and the
// schematic editor.
enum class Program { Lyt, Skt };

}  // namespace common
