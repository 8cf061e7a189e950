#include "common/core/csv_fields.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Texts = std::vector<std::string>;

// The fields' texts, with a star after each quoted one; nothing when refused.
std::optional<Texts> Fields(std::string_view line, std::size_t maxFields = 100) {
  std::vector<common::CsvField> fields;
  if (!common::ParseCsvLine(line, fields, maxFields)) return std::nullopt;
  Texts texts;
  for (const common::CsvField& field : fields) texts.push_back(field.Text + (field.Quoted ? "*" : ""));
  return texts;
}

// Line ends are seen through the board file's tests.
TEST(CsvFieldsTest, SplitsFields) {
  const std::pair<const char*, std::optional<Texts>> fields[] = {
      {R"(0,10, 1.27 ,"a, b",""," x ",-3)", Texts{"0", "10", "1.27", "a, b*", "*", " x *", "-3"}},
      {R"("say ""hi""",1)", Texts{"say \"hi\"*", "1"}}, {"", Texts{""}}, {"1,", Texts{"1", ""}},
      {R"("unterminated,1)", std::nullopt}, {R"("a"b,1)", std::nullopt}};
  for (const auto& [line, expected] : fields) EXPECT_EQ(Fields(line), expected) << line;
  // A line with more fields than asked for is refused as soon as it says so.
  EXPECT_EQ(Fields("1,2,3", 3), (Texts{"1", "2", "3"}));
  EXPECT_EQ(Fields("1,2,3", 2), std::nullopt);
  std::vector<common::CsvField> taken;
  EXPECT_FALSE(common::ParseCsvLine(std::string(10'000'000, ','), taken, 10));
  EXPECT_LE(taken.size(), 10u);
}

}  // namespace
