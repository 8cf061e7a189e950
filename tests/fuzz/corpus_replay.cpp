// Runs a fuzz target once on every file of the folders (or files) named on
// the command line, in name order: the regression corpus as an ordinary test.
#include "fuzz_target.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    if (fs::is_directory(argv[i])) {
      for (const auto& entry : fs::directory_iterator(argv[i]))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (fs::is_regular_file(argv[i])) {
      inputs.emplace_back(argv[i]);
    }
  }
  // An empty or misspelt corpus folder must not pass as a clean run.
  if (inputs.empty()) {
    std::cerr << "no input to replay\n";
    return 1;
  }
  std::sort(inputs.begin(), inputs.end());
  for (const fs::path& input : inputs) {
    std::cerr << input.filename().u8string() << '\n';
    std::ifstream in(input, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::cerr << inputs.size() << " inputs replayed\n";
  return 0;
}
