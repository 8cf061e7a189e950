#pragma once

#include "support/test_files.h"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

// gerbv, the free Gerber and Excellon viewer, as an independent reader of
// what we write. It exits 0 whatever it read: what it disliked is on stderr.
class Gerbv {
 public:
  // Nothing when gerbv is not installed.
  static std::optional<Gerbv> Find() {
#ifdef _WIN32
    return std::nullopt;  // driven through a POSIX shell
#else
    if (std::system("command -v gerbv >/dev/null 2>&1") != 0) return std::nullopt;
    return Gerbv();
#endif
  }

  // Runs gerbv with `arguments`; returns its stderr, kept in `errorFile`.
  std::string Run(const std::vector<std::string>& arguments, const std::string& errorFile) const {
    std::string command = "gerbv";
    for (const std::string& argument : arguments) command += " " + Quote(argument);
    command += " </dev/null >/dev/null 2>" + Quote(errorFile);
    const int status = std::system(command.c_str());
    std::string errors = ReadBytes(errorFile);
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
  Gerbv() = default;

  static std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
  }
};

}  // namespace testing_support
