#include "common/core/csv_fields.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

Texts Fields(std::string_view line) {
  std::vector<common::CsvField> fields;
  EXPECT_TRUE(common::ParseCsvLine(line, fields)) << line;
  Texts texts;
  for (const common::CsvField& field : fields) texts.push_back(field.Text);
  return texts;
}

TEST(CsvLinesTest, AcceptsCrLfAndLfAndKeepsStrayEmptyLines) {
  auto split = [](std::string_view contents) {
    const auto lines = common::SplitLines(contents);
    return Texts(lines.begin(), lines.end());
  };
  EXPECT_EQ(split("a\r\nb\nc\r\n"), (Texts{"a", "b", "c"}));
  EXPECT_EQ(split("a\r\nb"), (Texts{"a", "b"}));
  EXPECT_EQ(split("a\r\n\r\n"), (Texts{"a", ""}));
  EXPECT_TRUE(split("").empty());
}

TEST(CsvFieldsTest, SplitsQuotedAndPlainFields) {
  const char* const line = R"(0,10, 1.27 ,"a, b",""," x ",-3)";
  EXPECT_EQ(Fields(line), (Texts{"0", "10", "1.27", "a, b", "", " x ", "-3"}));
  std::vector<common::CsvField> fields;
  ASSERT_TRUE(common::ParseCsvLine(line, fields));
  EXPECT_FALSE(fields[0].Quoted);
  EXPECT_TRUE(fields[3].Quoted && fields[4].Quoted);
  EXPECT_EQ(Fields(R"("say ""hi""",1)"), (Texts{"say \"hi\"", "1"}));
  EXPECT_EQ(Fields(""), Texts{""});
  EXPECT_EQ(Fields("1,"), (Texts{"1", ""}));
  EXPECT_FALSE(common::ParseCsvLine(R"("unterminated,1)", fields));
  EXPECT_FALSE(common::ParseCsvLine(R"("a"b,1)", fields));
}

TEST(CsvFieldsTest, WriterAndReaderAgreeOnAwkwardTexts) {
  EXPECT_EQ(common::CsvLineWriter().String("LYT 3").Line(), "\"LYT 3\"\r\n");
  EXPECT_EQ(common::CsvLineWriter().Number(1.27f).Number(1.27f).Line(), "1.27,1.27\r\n");
  for (std::string text : {"", " lead", "trail ", "a,b", "\"", "x\"\"y", "\"quoted\"", ",,,"}) {
    std::string line = common::CsvLineWriter().Integer(-1).String(text).Number(0.5f).Line();
    ASSERT_EQ(line.substr(line.size() - 2), "\r\n");
    EXPECT_EQ(Fields(std::string_view(line).substr(0, line.size() - 2)), (Texts{"-1", text, "0.5"}))
        << line;
  }
}

}  // namespace
