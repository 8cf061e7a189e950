#include "common/core/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncodingTest, FrenchAndSymbolsRoundTrip) {
  const std::string utf8 = "Sérigraphie µ € œ ç ° « »";
  std::string cp1252 = common::Utf8ToCp1252(utf8);
  EXPECT_EQ(cp1252.size(), common::DecodeUtf8(utf8).size());
  EXPECT_EQ(static_cast<unsigned char>(cp1252[1]), 0xE9);  // é
  EXPECT_EQ(common::Cp1252ToUtf8(cp1252), utf8);
}

TEST(TextEncodingTest, EuroAndOtherHighControlsMapBothWays) {
  EXPECT_EQ(common::Utf8ToCp1252("€"), "\x80");
  EXPECT_EQ(common::Cp1252ToUtf8("\x80\x9C"), "€œ");
  // Unassigned bytes survive a round trip.
  EXPECT_EQ(common::Utf8ToCp1252(common::Cp1252ToUtf8("\x81\x8D")), "\x81\x8D");
}

TEST(TextEncodingTest, WhatWindows1252CannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(common::Utf8ToCp1252("Ω→x"), "??x");
  EXPECT_EQ(common::Utf8ToCp1252("😀"), "?");
  // Malformed UTF-8: a lone continuation byte, a cut sequence, an overlong form.
  EXPECT_EQ(common::Utf8ToCp1252("a\x80" "b"), "a?b");
  EXPECT_EQ(common::Utf8ToCp1252("\xC3"), "?");
  EXPECT_EQ(common::Utf8ToCp1252("\xC0\xAF"), "?");
}

TEST(TextEncodingTest, DecodeCountsCharactersNotBytes) {
  EXPECT_EQ(common::DecodeUtf8("µA").size(), 2u);
  EXPECT_EQ(common::EncodeUtf8(common::DecodeUtf8("aé€😀")), "aé€😀");
}

}  // namespace
