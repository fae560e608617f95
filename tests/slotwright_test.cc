#include "slotwright.h"

#include <gtest/gtest.h>

TEST(CheckEndStringTest, RemovesOneTrailingCarriageReturnOnly) {
  const struct {
    std::string line;
    std::string trimmed;
  } cases[] = {
      {"", ""},
      {"\r", ""},
      {"300x250", "300x250"},
      {"300x250\r", "300x250"},
      {"300x250\r\r", "300x250\r"},
      {"\r300x250", "\r300x250"},
      {"300x250 \t", "300x250 \t"},
      {std::string("a\0\r", 3), std::string("a\0", 2)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckEndString(c.line), c.trimmed) << testing::PrintToString(c.line);
  }
}
