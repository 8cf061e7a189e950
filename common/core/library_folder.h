#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// The library folders beside the programs (footprints, component families).
// Names are UTF-8; a missing or unreadable folder lists nothing. The
// programs write the names in one letter case and Windows ignores it, so on
// a case-sensitive file system the names are matched in any case too.

// The regular files of `folder` whose extension is `extension` (".emp") in
// any letter case, without it, sorted ignoring case. "a.emp" and "a.EMP"
// give one entry: both names would open the same file.
std::vector<std::string> ListLibraryFiles(const std::filesystem::path& folder,
                                          std::string_view extension);

// The sub-folders of `folder`, sorted ignoring case.
std::vector<std::string> ListSubFolders(const std::filesystem::path& folder);

// The entry `name` + `extension` of `folder`: that exact name when it exists,
// else the one whose extension differs in case only, else the first (sorted)
// whose whole name differs in case only. The exact path when none exists.
std::filesystem::path FindEntryIgnoringCase(const std::filesystem::path& folder,
                                            const std::string& name,
                                            std::string_view extension = {});

}  // namespace common
