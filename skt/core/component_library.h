#pragma once

#include <string>
#include <vector>

namespace skt {

// The component library is the folder "composants" beside the program: one
// sub-folder per family, each holding one ".Cmp" file per component.

// The families: the sub-folders of programFolder/composants (UTF-8 paths),
// sorted alphabetically ignoring case. A missing or unreadable root gives
// an empty list.
std::vector<std::string> ListFamilies(const std::string& programFolder);

// The components of `family`: its regular files whose extension is ".cmp" in
// any letter case, without that extension, sorted ignoring case.
std::vector<std::string> ListComponents(const std::string& programFolder,
                                        const std::string& family);

}  // namespace skt
