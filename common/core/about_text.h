#pragma once

#include "common/core/program.h"

#include <string>
#include <vector>

namespace common {

// The lines of the About box, first the product title, then the version.
std::vector<std::string> AboutLines(Program program);

// The About box text: the lines joined by CR LF, the last one without it.
std::string AboutText(Program program);

}  // namespace common
