#include "common/core/csv_fields.h"

#include <gtest/gtest.h>

namespace {

std::vector<common::CsvField> Parse(std::string_view line) {
  std::vector<common::CsvField> fields;
  EXPECT_TRUE(common::ParseCsvLine(line, fields)) << line;
  return fields;
}

TEST(CsvLinesTest, AcceptsCrLfAndLfAndKeepsStrayEmptyLines) {
  auto lines = common::SplitLines("a\r\nb\nc\r\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], "b");
  EXPECT_EQ(lines[2], "c");

  EXPECT_EQ(common::SplitLines("a\r\nb").size(), 2u);
  auto stray = common::SplitLines("a\r\n\r\n");
  ASSERT_EQ(stray.size(), 2u);
  EXPECT_EQ(stray[1], "");
  EXPECT_TRUE(common::SplitLines("").empty());
}

TEST(CsvFieldsTest, SplitsQuotedAndPlainFields) {
  auto fields = Parse(R"(0,10, 1.27 ,"a, b",""," x ",-3)");
  ASSERT_EQ(fields.size(), 7u);
  EXPECT_EQ(fields[0].Text, "0");
  EXPECT_FALSE(fields[0].Quoted);
  EXPECT_EQ(fields[2].Text, "1.27");
  EXPECT_EQ(fields[3].Text, "a, b");
  EXPECT_TRUE(fields[3].Quoted);
  EXPECT_EQ(fields[4].Text, "");
  EXPECT_TRUE(fields[4].Quoted);
  EXPECT_EQ(fields[5].Text, " x ");
  EXPECT_EQ(fields[6].Text, "-3");
}

TEST(CsvFieldsTest, DoubledQuotesInsideAStringAreOneQuote) {
  auto fields = Parse(R"("say ""hi""",1)");
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].Text, "say \"hi\"");
}

TEST(CsvFieldsTest, EmptyLineAndTrailingCommaGiveEmptyFields) {
  EXPECT_EQ(Parse("").size(), 1u);
  auto fields = Parse("1,");
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[1].Text, "");
}

TEST(CsvFieldsTest, RefusesBrokenQuotes) {
  std::vector<common::CsvField> fields;
  EXPECT_FALSE(common::ParseCsvLine(R"("unterminated,1)", fields));
  EXPECT_FALSE(common::ParseCsvLine(R"("a"b,1)", fields));
}

TEST(CsvFieldsTest, WriterAndReaderAgreeOnAwkwardTexts) {
  for (std::string text : {"", " lead", "trail ", "a,b", "\"", "x\"\"y", "\"quoted\"", ",,,"}) {
    std::string line = common::CsvLineWriter().Integer(-1).String(text).Number(0.5f).Line();
    ASSERT_EQ(line.substr(line.size() - 2), "\r\n");
    auto fields = Parse(std::string_view(line).substr(0, line.size() - 2));
    ASSERT_EQ(fields.size(), 3u) << line;
    EXPECT_EQ(fields[1].Text, text) << line;
    EXPECT_EQ(fields[2].Text, "0.5");
  }
}

TEST(CsvFieldsTest, WriterFormat) {
  EXPECT_EQ(common::CsvLineWriter().String("LYT 3").Line(), "\"LYT 3\"\r\n");
  EXPECT_EQ(common::CsvLineWriter().Number(1.27f).Number(1.27f).Line(), "1.27,1.27\r\n");
}

}  // namespace
