#include "row.h"

#include <gtest/gtest.h>

namespace {

TEST(RowTest, QuotesOnlyFieldsACsvReaderWouldMisread) {
  const struct {
    std::string field;
    std::string written;
  } cases[] = {
      {"", ""},
      {"Gazette-Sports-MediumRectangle", "Gazette-Sports-MediumRectangle"},
      {"Medium Rectangle on section \"Sports\" on Gazette",
       "Medium Rectangle on section \"Sports\" on Gazette"},
      {"it's\ta tab", "it's\ta tab"},
      {"a,b", "\"a,b\""},
      {"a\rb", "\"a\rb\""},
      {"a\nb", "\"a\nb\""},
      {"\"Sports\" desk", "\"\"\"Sports\"\" desk\""},
      {"on \"x\", y", "\"on \"\"x\"\", y\""},
      {"\"", "\"\"\"\""},
  };
  for (const auto& c : cases) {
    std::string row = "x";
    AppendField(row, c.field);
    EXPECT_EQ(row, "x" + c.written) << testing::PrintToString(c.field);
  }
}

TEST(RowTest, EndsEveryRowWithTheSameTenFields) {
  std::string row = "left from an earlier row";
  FormatRow("G-S-M", "G-S-M", "300x250", "M on section \"S\" on G", row);
  EXPECT_EQ(row, "G-S-M,G-S-M,300x250,M on section \"S\" on G,yes,,,,,,,_blank,\"text,image\",\n");
  FormatRow("", "", "", "", row);
  EXPECT_EQ(row, ",,,,yes,,,,,,,_blank,\"text,image\",\n");
}

}  // namespace
