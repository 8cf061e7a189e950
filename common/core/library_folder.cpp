#include "common/core/library_folder.h"

#include "common/core/letter_case.h"

#include <algorithm>
#include <system_error>

namespace common {
namespace fs = std::filesystem;
namespace {

bool EndsWithIgnoringCase(const std::string& name, std::string_view tail) {
  return name.size() >= tail.size() &&
         AsciiLower(name.substr(name.size() - tail.size())) == AsciiLower(std::string(tail));
}

// The entry names of `folder` that `keep` accepts, by entry.
template <class Keep>
std::vector<std::string> EntryNames(const fs::path& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code statusError;
    if (keep(*it, statusError)) names.push_back(it->path().filename().u8string());
  }
  return names;
}

void SortIgnoringCase(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), ComesBeforeIgnoringCase);
  names.erase(std::unique(names.begin(), names.end()), names.end());
}

}  // namespace

std::vector<std::string> ListLibraryFiles(const fs::path& folder, std::string_view extension) {
  std::vector<std::string> names = EntryNames(folder, [](const fs::directory_entry& entry,
                                                         std::error_code& error) {
    return entry.is_regular_file(error);
  });
  std::vector<std::string> stems;
  for (const std::string& name : names)
    if (name.size() > extension.size() && EndsWithIgnoringCase(name, extension))
      stems.push_back(name.substr(0, name.size() - extension.size()));
  SortIgnoringCase(stems);
  return stems;
}

std::vector<std::string> ListSubFolders(const fs::path& folder) {
  std::vector<std::string> names = EntryNames(folder, [](const fs::directory_entry& entry,
                                                         std::error_code& error) {
    return entry.is_directory(error);
  });
  SortIgnoringCase(names);
  return names;
}

fs::path FindEntryIgnoringCase(const fs::path& folder, const std::string& name,
                               std::string_view extension) {
  const std::string wanted = name + std::string(extension);
  const fs::path exact = folder / fs::u8path(wanted);
  std::error_code error;
  if (fs::exists(exact, error)) return exact;
  std::vector<std::string> others;
  for (const std::string& entry : EntryNames(folder, [](const auto&, auto&) { return true; })) {
    if (entry.size() != wanted.size()) continue;
    // The name itself as asked: "r" and "R" may both exist and are not the same.
    if (entry.compare(0, name.size(), name) == 0 && EndsWithIgnoringCase(entry, extension))
      return folder / fs::u8path(entry);
    if (AsciiLower(entry) == AsciiLower(wanted)) others.push_back(entry);
  }
  if (others.empty()) return exact;
  const auto first = std::min_element(others.begin(), others.end(), ComesBeforeIgnoringCase);
  return folder / fs::u8path(*first);
}

}  // namespace common
