#include "common/core/text_encoding.h"

#include <gtest/gtest.h>

namespace {

// UTF-8 in memory, Windows-1252 in files: what 1252 cannot hold, malformed
// UTF-8 included, becomes a question mark; its unassigned bytes survive.
TEST(TextEncodingTest, Windows1252BothWays) {
  const std::pair<std::string, std::string> cases[] = {
      {"Sérigraphie µ € œ ç ° « »", "S\xE9rigraphie \xB5 \x80 \x9C \xE7 \xB0 \xAB \xBB"},
      {"Ω→x", "??x"}, {"😀", "?"},
      {"a\x80" "b", "a?b"}, {"\xC3", "?"}, {"\xC0\xAF", "?"}};  // lone continuation, cut, overlong
  for (const auto& [utf8, cp1252] : cases) {
    EXPECT_EQ(common::Utf8ToCp1252(utf8), cp1252) << utf8;
    EXPECT_TRUE(cp1252.find('?') != cp1252.npos || common::Cp1252ToUtf8(cp1252) == utf8) << utf8;
  }
  EXPECT_EQ(common::Utf8ToCp1252(common::Cp1252ToUtf8("\x81\x8D")), "\x81\x8D");
  EXPECT_EQ(common::EncodeUtf8(common::DecodeUtf8("aé€😀")), "aé€😀");
}

}  // namespace
