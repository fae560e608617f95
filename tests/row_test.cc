#include "row.h"

#include <gtest/gtest.h>

namespace {

// Each of the four text fields is quoted when it holds a comma, a carriage
// return or a line feed or begins with a double quote, and only then.
TEST(RowTest, QuotesAFieldOnlyWhereAReaderWouldMisreadIt) {
  const struct {
    std::string code, name, size, description, row;
  } cases[] = {
      {"G-S-M", "G-S-M", "300x250", "M on section \"S\" on G",
       "G-S-M,G-S-M,300x250,M on section \"S\" on G,yes,,,,,,,_blank,\"text,image\",\n"},
      {"Smith,Jones-M", "n", "s", "d",
       "\"Smith,Jones-M\",n,s,d,yes,,,,,,,_blank,\"text,image\",\n"},
      {"c", "\"Live\"-M", "s", "d", "c,\"\"\"Live\"\"-M\",s,d,yes,,,,,,,_blank,\"text,image\",\n"},
      {"c", "n", "300x250\r", "d", "c,n,\"300x250\r\",d,yes,,,,,,,_blank,\"text,image\",\n"},
      {"c", "n", "s", "a\nb", "c,n,s,\"a\nb\",yes,,,,,,,_blank,\"text,image\",\n"},
      {"", "", "", "", ",,,,yes,,,,,,,_blank,\"text,image\",\n"},
  };
  std::string row = "an earlier row";
  for (const auto& c : cases) {
    FormatRow(c.code, c.name, c.size, c.description, row);
    EXPECT_EQ(row, c.row);
  }
}

}  // namespace
