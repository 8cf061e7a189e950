#include "common/core/about_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using common::AboutText;
using common::Program;

// Splits on CR LF only, so that a lone CR or LF stays inside a line and shows.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  for (const std::string& line : lines) {
    EXPECT_FALSE(line.empty()) << "empty line, or a CR LF after the last line";
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
  return lines;
}

TEST(AboutTextTest, LytHasTitleVersionAndSixLines) {
  const std::vector<std::string> lines = Lines(AboutText(Program::Lyt));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Lytplan");
  EXPECT_EQ(lines[1], "LYT Version 3.1");
}

TEST(AboutTextTest, SktHasTitleVersionAndFiveLines) {
  const std::vector<std::string> lines = Lines(AboutText(Program::Skt));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Sktplan");
  EXPECT_EQ(lines[1], "SKT Version 2");
}

}  // namespace
