#pragma once

#include "lyt/core/board_element.h"

#include <optional>
#include <string>
#include <vector>

namespace lyt {

// The Excellon drill program of the board: a tool per distinct hole size,
// metric absolute coordinates with y upwards, UTF-8 with CR LF line ends.

// The file beside the board: "essai.Lyt" gives "essai.drl".
std::string DrillFileName(const std::string& boardFileName);

// The whole file text, or nothing when the board has no hole. Holes are
// drilled in element order, a tool line each time the size changes.
std::optional<std::string> ExportDrill(const std::vector<BoardElement>& elements);

}  // namespace lyt
