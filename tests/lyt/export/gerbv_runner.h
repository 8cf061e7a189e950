#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace export_tests {

// gerbv, the free Gerber and Excellon viewer, as an independent reader of
// what we write. It always exits 0: what it disliked is on its stderr.
class Gerbv {
 public:
  // Nothing when gerbv is not on the PATH.
  static std::optional<Gerbv> Find() {
#ifdef _WIN32
    return std::nullopt;  // the tests drive it through a POSIX shell
#else
    const char* path = std::getenv("PATH");
    if (!path) return std::nullopt;
    std::stringstream folders(path);
    std::string folder;
    while (std::getline(folders, folder, ':')) {
      if (folder.empty()) continue;
      const std::filesystem::path candidate = std::filesystem::path(folder) / "gerbv";
      std::error_code error;
      const auto status = std::filesystem::status(candidate, error);
      if (!error && std::filesystem::is_regular_file(status) &&
          (status.permissions() & std::filesystem::perms::others_exec) != std::filesystem::perms::none)
        return Gerbv(candidate);
    }
    return std::nullopt;
#endif
  }

  // Runs gerbv with `arguments`; its stderr is kept in `errorFile` and returned.
  std::string Run(const std::vector<std::string>& arguments,
                  const std::filesystem::path& errorFile) const {
    std::string command = Quote(program_.string());
    for (const std::string& argument : arguments) command += " " + Quote(argument);
    command += " </dev/null >/dev/null 2>" + Quote(errorFile.string());
    const int status = std::system(command.c_str());
    std::ifstream in(errorFile, std::ios::binary);
    std::string errors((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (status != 0) errors += "\nexit status " + std::to_string(status) + " (CRITICAL)";
    return errors;
  }

  // The lines where gerbv complains about what it read.
  static std::vector<std::string> Complaints(const std::string& errors) {
    std::vector<std::string> complaints;
    std::stringstream lines(errors);
    std::string line;
    while (std::getline(lines, line))
      if (line.find("CRITICAL") != std::string::npos || line.find("WARNING") != std::string::npos)
        complaints.push_back(line);
    return complaints;
  }

 private:
  explicit Gerbv(std::filesystem::path program) : program_(std::move(program)) {}

  static std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
  }

  std::filesystem::path program_;
};

}  // namespace export_tests
