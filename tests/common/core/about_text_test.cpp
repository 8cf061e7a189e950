#include "common/core/about_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using common::Program;

// Title, version and the line count; lines end in CR LF, none empty, no CR LF after the last.
TEST(AboutTextTest, TitleVersionAndLines) {
  const std::tuple<Program, std::string, std::size_t> cases[] = {
      {Program::Lyt, "Lytplan\r\nLYT Version 3.1\r\n", 6},
      {Program::Skt, "Sktplan\r\nSKT Version 2\r\n", 5}};
  for (const auto& [program, start, count] : cases) {
    const std::string text = common::AboutText(program);
    EXPECT_EQ(text.substr(0, start.size()), start);
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
      lines.push_back(text.substr(from, end - from));
    lines.push_back(text.substr(from));
    EXPECT_EQ(lines.size(), count) << start;
    for (const std::string& line : lines) {
      EXPECT_FALSE(line.empty()) << start;
      EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;  // a lone CR or LF
    }
  }
}

}  // namespace
