#include "row.h"

#include <gtest/gtest.h>

namespace {

TEST(RowTest, QuotesOnlyFieldsThatAReaderWouldMisread) {
  const std::string fixed = ",yes,,,,,,,_blank,\"text,image\",\n";
  const struct {
    std::string field, written;
  } cases[] = {
      {"", ""},
      {"on section \"Sports\"", "on section \"Sports\""},
      {"Smith, Jones", "\"Smith, Jones\""},
      {"a\rb", "\"a\rb\""},
      {"a\nb", "\"a\nb\""},
      {"\"Live\" feed", "\"\"\"Live\"\" feed\""},
  };
  std::string row = "stale";
  for (const auto& c : cases) {
    FormatRow(c.field, "n", "s", c.field, row);
    EXPECT_EQ(row, c.written + ",n,s," + c.written + fixed);
  }
}

}  // namespace
