#include "common/core/dialog_folder.h"

#include "common/core/untitled_name.h"

#include <filesystem>
#include <system_error>

namespace common {
namespace {

namespace fs = std::filesystem;

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

// The folder holding a named document, made absolute: a path given on the
// command line is relative to where the program was started.
fs::path DocumentFolder(const std::string& documentPath) {
  if (documentPath.empty() || documentPath == UntitledFileName) return {};
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::u8path(documentPath), error);
  return error ? fs::path() : absolute.parent_path();
}

}  // namespace

std::string DialogFolder(const std::string& documentPath, const UserFolders& folders) {
  const fs::path document = DocumentFolder(documentPath);
  if (IsFolder(document)) return document.u8string();
  if (IsFolder(fs::u8path(folders.Documents))) return folders.Documents;
  return folders.Home;
}

}  // namespace common
