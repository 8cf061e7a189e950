#include "skt/core/component_library.h"

#include "common/core/library_folder.h"

#include <filesystem>

namespace skt {
namespace fs = std::filesystem;
namespace {

fs::path LibraryRoot(const std::string& programFolder) {
  return fs::u8path(programFolder) / "composants";
}

}  // namespace

std::vector<std::string> ListFamilies(const std::string& programFolder) {
  return common::ListSubFolders(LibraryRoot(programFolder));
}

std::vector<std::string> ListComponents(const std::string& programFolder,
                                        const std::string& family) {
  if (family.empty()) return {};
  const fs::path folder = common::FindEntryIgnoringCase(LibraryRoot(programFolder), family);
  return common::ListLibraryFiles(folder, ".cmp");
}

}  // namespace skt
