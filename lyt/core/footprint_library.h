#pragma once

#include <string>
#include <vector>

namespace lyt {

// The footprint library is the folder "empreintes" beside the program: one
// ".Emp" file per footprint, named after the file.

// The names of the footprints in programFolder/empreintes (UTF-8 paths):
// every regular file whose extension is ".emp" in any letter case, without
// that extension, sorted alphabetically ignoring case. A missing or
// unreadable folder gives an empty list.
std::vector<std::string> ListFootprintNames(const std::string& programFolder);

}  // namespace lyt
