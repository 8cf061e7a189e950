#include "common/core/number_text.h"
#include "common/core/rounding.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>

namespace {

TEST(RoundingTest, HalvesGoToEvenOutOfRangeClampsAndTheGridSendsHalvesUp) {
  const std::pair<double, int> cases[] = {
      {2.5, 2},   {3.5, 4},           {-0.5, 0},  {-1.5, -2},      {2.4999, 2},
      {-2.6, -3}, {1e12, 2147483647}, {-1e12, -2147483647 - 1}, {std::nan(""), 0}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(common::RoundHalfEven(value), rounded) << value;
  const std::tuple<float, float, float> grid[] = {
      {2.5f, 1, 3}, {-0.5f, 1, 0}, {2.49f, 1, 2}, {3, 1.27f, 2.54f}};
  for (const auto& [value, step, snapped] : grid)
    EXPECT_FLOAT_EQ(common::GridRound(value, step), snapped) << value;
}

TEST(TypedNumberTest, ReadsTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"1.27", 1.27}, {"1,27", 1.0}, {"abc", 0.0}, {"", 0.0}, {"  3mm", 3.0}, {".5", 0.5},
      {"-2.5x", -2.5}, {"1E2", 100.0}, {"2E", 2.0}, {"+4", 4.0}, {"-", 0.0}, {".", 0.0},
      {"10.01", 10.01}};
  for (const auto& [text, value] : cases)
    EXPECT_DOUBLE_EQ(common::ParseTypedNumber(text), value) << text;
}

// A file field is a whole plain decimal or nothing; the target is left alone
// when it is refused. Integers are rounded, halves to even, and must fit.
TEST(FileNumberTest, ReadsWholeFieldsOnly) {
  const std::tuple<const char*, std::optional<float>, std::optional<std::int32_t>> cases[] = {
      {".5", 0.5f, 0},       {"1E-05", 1e-5f, 0},   {"-3", -3.0f, -3},     {" 1.27 ", 1.27f, 1},
      {"+2", 2.0f, 2},       {"5.", 5.0f, 5},       {" -90 ", -90.0f, -90}, {"2.5", 2.5f, 2},
      {"1e12", 1e12f, {}},   {"", {}, {}},          {"  ", {}, {}},        {"abc", {}, {}},
      {"1.2.3", {}, {}},     {"1,5", {}, {}},       {"12mm", {}, {}},      {"-", {}, {}},
      {"1e", {}, {}},        {"0x10", {}, {}},      {"\"3\"", {}, {}}};
  for (const auto& [text, number, integer] : cases) {
    float value = 99.0f;
    EXPECT_EQ(common::ReadFileNumber(text, value), number.has_value()) << text;
    EXPECT_FLOAT_EQ(value, number.value_or(99.0f)) << text;
    std::int32_t whole = 99;
    EXPECT_EQ(common::ReadFileInteger(text, whole), integer.has_value()) << text;
    EXPECT_EQ(whole, integer.value_or(99)) << text;
  }
}

TEST(FileNumberTest, WritesShortestPlainTextThatReadsBackExactly) {
  const std::pair<float, const char*> cases[] = {{0.79375f, "0.79375"}, {1.27f, "1.27"}, {-2.0f, "-2"},
                                                 {-0.0f, "0"}, {1e-5f, "0.00001"}, {269.24f, "269.24"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(common::WriteFileNumber(value), text);
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
  const std::string written = common::WriteFileNumber(1.27f);
  const std::string shown = common::FormatNumber(1.27);
  float back = 0.0f;
  const bool read = common::ReadFileNumber("0.5", back);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(std::make_tuple(written, shown, read, back), std::make_tuple("1.27", "1.27", true, 0.5f));
}

TEST(FormatNumberTest, SevenSignificantDigitsWithTheUsersSeparator) {
  const std::tuple<double, char, const char*> cases[] = {
      {1.27f, '.', "1.27"}, {1.27f, ',', "1,27"},          {-2.54f, '.', "-2.54"},
      {10, '.', "10"},      {0.0, '.', "0"}, {1.0 / 3.0, ',', "0,3333333"}, {269.24f, '.', "269.24"}};
  for (const auto& [value, separator, text] : cases)
    EXPECT_EQ(common::FormatNumber(value, separator), text);
}

}  // namespace
