#include "lyt/core/footprint_library.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace lyt {
namespace fs = std::filesystem;
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Ignoring case first, then with case, so that "r" and "R" always come out
// in the same order and equal names end up side by side.
bool ComesBefore(const std::string& a, const std::string& b) {
  const std::string lowerA = Lower(a);
  const std::string lowerB = Lower(b);
  return lowerA != lowerB ? lowerA < lowerB : a < b;
}

}  // namespace

std::vector<std::string> ListFootprintNames(const std::string& programFolder) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(fs::u8path(programFolder) / "empreintes", error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code statusError;
    if (!it->is_regular_file(statusError)) continue;
    const std::string fileName = it->path().filename().u8string();
    if (fileName.size() <= 4 || Lower(fileName.substr(fileName.size() - 4)) != ".emp") continue;
    names.push_back(fileName.substr(0, fileName.size() - 4));
  }
  std::sort(names.begin(), names.end(), ComesBefore);
  // "a.emp" and "a.EMP" on a case-sensitive file system: one entry will do,
  // both would open the same file.
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace lyt
