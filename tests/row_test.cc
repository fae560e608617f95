#include "row.h"

#include <gtest/gtest.h>

namespace {

// A field is quoted, its double quotes doubled, when it begins with a double
// quote or holds a carriage return or a line feed (commas: see the case
// fields-with-commas-quoted), and only then.
TEST(RowTest, QuotesAFieldOnlyWhereAReaderWouldMisreadIt) {
  std::string row = "an earlier row";
  FormatRow("G-S-M", "\"Live\" M", "300x250\r", "M\non G", row);
  EXPECT_EQ(
      row, "G-S-M,\"\"\"Live\"\" M\",\"300x250\r\",\"M\non G\",yes,,,,,,,_blank,\"text,image\",\n");
}

}  // namespace
