// The text forms of the files and of the window: numbers and CSV fields;
// files saved atomically. The Windows-1252 encoding is seen in the texts the
// schematic file's tests write, and in the fuzz corpus's round trips; what
// the user is told when a save or a load fails, in the schematic file's
// tests too.
#include "common/core/csv_fields.h"
#include "common/core/file_io.h"
#include "common/core/number_text.h"
#include "common/core/rounding.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;
using common::SaveResult;

// (Rounding to the grid, which sends halves up, is seen through the viewport.)
TEST(RoundingTest, HalvesGoToEvenAndOutOfRangeClamps) {
  const std::pair<double, int> cases[] = {{2.5, 2},          {3.5, 4},           {-0.5, 0},
                                          {-1.5, -2},        {-2.6, -3},         {std::nan(""), 0},
                                          {1e12, INT32_MAX}, {-1e12, INT32_MIN},
                                          // both sides of where the inline path ends
                                          {2147483646.5, 2147483646}, {2147483646.6, INT32_MAX},
                                          {2147483647.5, INT32_MAX},  {-2147483646.5, -2147483646},
                                          {-2147483647.5, INT32_MIN}, {0.49999999999999994, 0}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(common::RoundHalfEven(value), rounded) << value;
}

// A typed number is its leading number; a number shown to the user has
// seven significant digits and the user's separator.
TEST(TypedNumberTest, ReadsTheLeadingNumberAndShowsSevenSignificantDigits) {
  const std::pair<const char*, double> cases[] = {
      {"1.27", 1.27}, {"1,27", 1.0},   {"abc", 0.0}, {"", 0.0}, {"  3mm", 3.0}, {".5", 0.5}, {"-2.5x", -2.5},
      {"1E2", 100.0}, {"2E", 2.0},     {"+4", 4.0},  {"-", 0.0}, {".", 0.0}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(common::ParseTypedNumber(text), value) << text;
  const std::tuple<double, char, const char*> shown[] = {
      {-2.54f, '.', "-2.54"}, {0.0, '.', "0"}, {1.0 / 3.0, ',', "0,3333333"}, {269.24f, '.', "269.24"}};
  for (const auto& [value, separator, text] : shown) EXPECT_EQ(common::FormatNumber(value, separator), text);
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

// The shortest plain text that reads back exactly (no exponent, no minus
// zero). Short decimals are written by whole-number arithmetic, everything
// else by the general shortest-text search: both must give what the search
// alone gives, on the values files hold and around the edges of the short
// path. That every float reads back is the fuzz target's.
TEST(FileNumberTest, WritesTheShortestPlainTextAsTheGeneralSearchDoes) {
  auto searched = [](float value) {
    char text[128];
    if (value == 0.0f || !std::isfinite(value)) return std::string("0");
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr);
  };
  // Families: a first value and a step, walked both ways from zero.
  const std::pair<double, double> families[] = {
      {0.0, 0.635}, {0.0, 0.79375}, {0.0, 0.001}, {0.0, 0.00001}, {16383.0, 0.0001}, {127.9, 0.000001},
      {8191.99, 0.00001}, {1e6, 0.5}, {0.0, 1.0 / 3.0}, {3e38, 1e36}, {1e-44, 1e-45}, {1e-38, 1e-39}};
  for (const auto& [first, step] : families)
    for (int i = 0; i < 4000; ++i)
      for (float value : {static_cast<float>(first + i * step), -static_cast<float>(first + i * step)})
        ASSERT_EQ(common::WriteFileNumber(value), searched(value)) << first << " + " << i << " * " << step;
  // Every float on both sides of the short path's limits.
  for (float limit : {128.0f, 16384.0f})
    for (float value = limit * 0.999f; value < limit * 1.002f; value = std::nextafter(value, limit * 2))
      ASSERT_EQ(common::WriteFileNumber(value), searched(value)) << value;
}

// The fields' texts, with a star after each quoted one; nothing when refused.
// Line ends, and a line with more fields than asked for, are seen through
// the board file's tests.
TEST(CsvFieldsTest, SplitsFields) {
  using Texts = std::vector<std::string>;
  const std::pair<const char*, std::optional<Texts>> cases[] = {
      {R"(0,10, 1.27 ,"a, b",""," x ",-3)", Texts{"0", "10", "1.27", "a, b*", "*", " x *", "-3"}},
      {R"("say ""hi""",1)", Texts{"say \"hi\"*", "1"}}, {"", Texts{""}}, {"1,", Texts{"1", ""}},
      {R"("unterminated,1)", std::nullopt}, {R"("a"b,1)", std::nullopt}};
  for (const auto& [line, expected] : cases) {
    std::array<common::CsvField, 8> fields;
    std::size_t count = 0;
    std::optional<Texts> texts;
    if (common::ParseCsvLine(line, fields.data(), fields.size(), count)) texts.emplace();
    for (std::size_t i = 0; texts && i < count; ++i)
      texts->push_back(common::TextOf(fields[i]) + (fields[i].Quoted ? "*" : ""));
    EXPECT_EQ(texts, expected) << line;
  }
}

// The new contents replace the old and no temporary is left; a file named
// like an old temporary beside it stays as it was; a link keeps pointing at
// the file, which gets the new contents; the old file's permissions stay. A
// failed save leaves what was there and says why: a refused permission apart
// from any other failure.
TEST(FileIoTest, SavesReplaceAtomicallyAndFailedSavesKeepTheOldFile) {
  testing_support::TempFolder folder;
  const fs::path& dir = folder.Path();
  auto save = [&](const std::string& name, const std::string& bytes) {
    return common::SaveFileAtomically(folder.File(name), bytes);
  };
  auto read = [&](const char* name) { return testing_support::ReadBytes(folder.File(name)); };
  std::ofstream(dir / "board.Lyt.~sav") << "the user's own";
  std::ofstream(dir / "real.Lyt") << "old";
  fs::permissions(dir / "real.Lyt", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real.Lyt", dir / "link.Lyt");
  ASSERT_EQ(save("board.Lyt", "first"), SaveResult::Ok);
  ASSERT_EQ(save("board.Lyt", std::string("a\0b\r\n", 5)), SaveResult::Ok);
  ASSERT_EQ(save("link.Lyt", "new"), SaveResult::Ok);
  EXPECT_EQ(std::make_tuple(read("board.Lyt"), read("board.Lyt.~sav"), read("real.Lyt")),
            std::make_tuple(std::string("a\0b\r\n", 5), "the user's own", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.Lyt"));
  EXPECT_EQ(fs::status(dir / "real.Lyt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);

  ASSERT_EQ(save("locked.Lyt", "old"), SaveResult::Ok);
  fs::permissions(dir / "locked.Lyt", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(save("locked.Lyt", "new"), SaveResult::PermissionDenied);
  EXPECT_EQ(read("locked.Lyt"), "old");
  fs::create_directories(dir / "dir.Lyt");
  EXPECT_EQ(std::make_pair(save("nowhere/board.Lyt", "x"), save("dir.Lyt", "x")),
            std::make_pair(SaveResult::Failed, SaveResult::Failed));
  EXPECT_TRUE(!fs::exists(dir / "nowhere") && fs::is_directory(dir / "dir.Lyt"));
  // A read-only folder refuses too, unless the rights the test runs with ignore it.
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const bool refused = !std::ofstream(dir / "probe");
  EXPECT_EQ(save("board.Lyt", "x"), refused ? SaveResult::PermissionDenied : SaveResult::Ok);
}

}  // namespace
