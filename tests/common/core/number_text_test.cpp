#include "common/core/number_text.h"
#include "common/core/rounding.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace {

TEST(RoundingTest, HalvesGoToEvenAndOutOfRangeClamps) {
  const std::pair<double, int> cases[] = {
      {2.5, 2},   {3.5, 4},           {-0.5, 0},  {-1.5, -2},      {2.4999, 2},
      {-2.6, -3}, {1e12, 2147483647}, {-1e12, -2147483647 - 1}, {std::nan(""), 0}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(common::RoundHalfEven(value), rounded) << value;
}

TEST(RoundingTest, GridRoundSendsHalvesUp) {
  EXPECT_FLOAT_EQ(common::GridRound(2.5f, 1.0f), 3.0f);
  EXPECT_FLOAT_EQ(common::GridRound(-0.5f, 1.0f), 0.0f);
  EXPECT_FLOAT_EQ(common::GridRound(2.49f, 1.0f), 2.0f);
  EXPECT_FLOAT_EQ(common::GridRound(3.0f, 1.27f), 2.54f);
}

TEST(TypedNumberTest, ReadsTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"1.27", 1.27}, {"1,27", 1.0}, {"abc", 0.0}, {"", 0.0}, {"  3mm", 3.0}, {".5", 0.5},
      {"-2.5x", -2.5}, {"1E2", 100.0}, {"2E", 2.0}, {"+4", 4.0}, {"-", 0.0}, {".", 0.0},
      {"10.01", 10.01}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(common::ParseTypedNumber(text), value) << text;
}

TEST(FileNumberTest, AcceptsEveryPlainDecimalShapeAndRefusesTheRest) {
  for (auto [text, expected] : {std::pair{".5", 0.5f}, {"1E-05", 1e-5f}, {"-3", -3.0f},
                                 {" 1.27 ", 1.27f}, {"+2", 2.0f}, {"5.", 5.0f}}) {
    float value = 99.0f;
    EXPECT_TRUE(common::ReadFileNumber(text, value)) << text;
    EXPECT_FLOAT_EQ(value, expected) << text;
  }
  for (const char* text : {"", "  ", "abc", "1.2.3", "1,5", "12mm", "-", "1e", "0x10", "\"3\""}) {
    float value = 99.0f;
    EXPECT_FALSE(common::ReadFileNumber(text, value)) << text;
    EXPECT_EQ(value, 99.0f) << "unchanged on failure: " << text;
  }
}

TEST(FileNumberTest, IntegersRoundAndStayInRange) {
  std::int32_t value = 0;
  EXPECT_TRUE(common::ReadFileInteger(" -90 ", value));
  EXPECT_EQ(value, -90);
  EXPECT_TRUE(common::ReadFileInteger("2.5", value));
  EXPECT_EQ(value, 2);
  EXPECT_FALSE(common::ReadFileInteger("1e12", value));
  EXPECT_FALSE(common::ReadFileInteger("x", value));
}

TEST(FileNumberTest, WritesShortestPlainText) {
  const std::pair<float, const char*> cases[] = {{0.79375f, "0.79375"}, {1.27f, "1.27"}, {-2.0f, "-2"},
                                                 {-0.0f, "0"}, {1e-5f, "0.00001"}, {269.24f, "269.24"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(common::WriteFileNumber(value), text);
}

TEST(FileNumberTest, EveryWrittenValueReadsBackExactly) {
  // Values as they arise from grid arithmetic, which rarely land on short decimals.
  float value = 0.0f;
  for (int i = 0; i < 2000; ++i) {
    value += 0.127f * static_cast<float>(i % 7) - 0.3f;
    float back = 0.0f;
    std::string text = common::WriteFileNumber(value);
    ASSERT_TRUE(common::ReadFileNumber(text, back)) << text;
    ASSERT_EQ(back, value) << text;
    ASSERT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
  }
}

TEST(FileNumberTest, FrenchLocaleDoesNotChangeNumbers) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "fr_FR.UTF-8")) GTEST_SKIP() << "French locale not installed";
  std::string written = common::WriteFileNumber(1.27f);
  std::string shown = common::FormatNumber(1.27);
  float back = 0.0f;
  bool read = common::ReadFileNumber("0.5", back);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(written, "1.27");
  EXPECT_EQ(shown, "1.27");
  EXPECT_TRUE(read);
  EXPECT_EQ(back, 0.5f);
}

TEST(FormatNumberTest, SevenSignificantDigitsWithTheUsersSeparator) {
  EXPECT_EQ(common::FormatNumber(1.27f), "1.27");
  EXPECT_EQ(common::FormatNumber(1.27f, ','), "1,27");
  EXPECT_EQ(common::FormatNumber(-2.54f), "-2.54");
  EXPECT_EQ(common::FormatNumber(10), "10");
  EXPECT_EQ(common::FormatNumber(0.0), "0");
  EXPECT_EQ(common::FormatNumber(1.0 / 3.0), "0.3333333");
  EXPECT_EQ(common::FormatNumber(269.24f), "269.24");
}

}  // namespace
