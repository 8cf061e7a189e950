#include "lyt/core/footprint_library.h"

#include "common/core/library_folder.h"

#include <filesystem>

namespace lyt {

std::vector<std::string> ListFootprintNames(const std::string& programFolder) {
  return common::ListLibraryFiles(std::filesystem::u8path(programFolder) / "empreintes", ".emp");
}

}  // namespace lyt
