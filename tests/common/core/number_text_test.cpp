#include "common/core/number_text.h"
#include "common/core/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace {

// Rounding to the grid sends halves up (the viewport's tests hold more cases).
TEST(RoundingTest, HalvesGoToEvenOutOfRangeClampsAndTheGridSendsHalvesUp) {
  const std::pair<double, int> cases[] = {{2.5, 2},          {3.5, 4},           {-0.5, 0},
                                          {-1.5, -2},        {-2.6, -3},         {std::nan(""), 0},
                                          {1e12, INT32_MAX}, {-1e12, INT32_MIN}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(common::RoundHalfEven(value), rounded) << value;
  const std::tuple<float, float, float> grid[] = {{-0.5f, 1, 0}, {-2.5f, 1, -2}, {3, 1.27f, 2.54f}};
  for (const auto& [value, step, snapped] : grid)
    EXPECT_FLOAT_EQ(common::GridRound(value, step), snapped) << value;
}

TEST(TypedNumberTest, ReadsTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"1.27", 1.27}, {"1,27", 1.0},   {"abc", 0.0}, {"", 0.0}, {"  3mm", 3.0}, {".5", 0.5}, {"-2.5x", -2.5},
      {"1E2", 100.0}, {"2E", 2.0},     {"+4", 4.0},  {"-", 0.0}, {".", 0.0}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(common::ParseTypedNumber(text), value) << text;
}

// A file field is a whole plain decimal or nothing; the target is left alone
// when it is refused. Integers are rounded, halves to even, and must fit.
// The board file's tests read blanks, exponents and missing zeros too.
TEST(FileNumberTest, ReadsWholeFieldsOnly) {
  const std::tuple<const char*, std::optional<float>, std::optional<std::int32_t>> cases[] = {
      {"1E-05", 1e-5f, 0}, {"+2", 2.0f, 2},  {"5.", 5.0f, 5},   {" -90 ", -90.0f, -90}, {"2.5", 2.5f, 2},
      {"1e12", 1e12f, {}}, {"", {}, {}},     {"  ", {}, {}},    {"1.2.3", {}, {}},      {"1,5", {}, {}},
      {"12mm", {}, {}},    {"-", {}, {}},    {"1e", {}, {}},    {"0x10", {}, {}},       {"\"3\"", {}, {}}};
  for (const auto& [text, number, integer] : cases) {
    float real = 99.0f;
    std::int32_t whole = 99;
    EXPECT_EQ(common::ReadFileNumber(text, real), number.has_value()) << text;
    EXPECT_EQ(common::ReadFileInteger(text, whole), integer.has_value()) << text;
    EXPECT_EQ(std::make_pair(real, whole), std::make_pair(number.value_or(99), integer.value_or(99))) << text;
  }
}

TEST(FileNumberTest, WritesShortestPlainTextThatReadsBackExactly) {
  const std::pair<float, const char*> cases[] = {{0.79375f, "0.79375"}, {-0.0f, "0"}, {269.24f, "269.24"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(common::WriteFileNumber(value), text);
  // Values as they arise from grid arithmetic, which rarely land on short decimals.
  float value = 0.0f;
  for (int i = 0; i < 2000; ++i) {
    value += 0.127f * static_cast<float>(i % 7) - 0.3f;
    const std::string text = common::WriteFileNumber(value);
    float back = 0.0f;
    ASSERT_TRUE(common::ReadFileNumber(text, back) && back == value && text.find_first_of("eE,") == text.npos)
        << text;
  }
}

TEST(FormatNumberTest, SevenSignificantDigitsWithTheUsersSeparator) {
  const std::tuple<double, char, const char*> cases[] = {
      {-2.54f, '.', "-2.54"}, {0.0, '.', "0"}, {1.0 / 3.0, ',', "0,3333333"}, {269.24f, '.', "269.24"}};
  for (const auto& [value, separator, text] : cases) EXPECT_EQ(common::FormatNumber(value, separator), text);
}

}  // namespace
