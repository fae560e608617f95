#include "row.h"

#include <gtest/gtest.h>

namespace {

const std::string fixedFields = ",yes,,,,,,,_blank,\"text,image\",\n";

TEST(RowTest, QuotesOnlyFieldsThatAReaderWouldMisread) {
  const struct {
    std::string field, written;
  } cases[] = {
      {"", ""},
      {"Medium Rectangle on section \"Sports\" on Gazette",
       "Medium Rectangle on section \"Sports\" on Gazette"},
      {"Smith, Jones", "\"Smith, Jones\""},
      {"a\rb", "\"a\rb\""},
      {"a\nb", "\"a\nb\""},
      {"\"Live\" feed", "\"\"\"Live\"\" feed\""},
      {"x, \"y\"", "\"x, \"\"y\"\"\""},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases) {
    std::string row = "stale";
    FormatRow(c.field, "name", "300x250", "description", row);
    EXPECT_EQ(row, c.written + ",name,300x250,description" + fixedFields)
        << testing::PrintToString(c.field);
    FormatRow("code", "name", c.field, c.field, row);
    EXPECT_EQ(row, "code,name," + c.written + "," + c.written + fixedFields)
        << testing::PrintToString(c.field);
  }
}

}  // namespace
