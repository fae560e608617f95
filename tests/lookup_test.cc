#include "lookup.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A stream buffer that brings in one byte at a time, as a library may.
struct OneByteAtATime : std::streambuf {
  std::string bytes;
  std::size_t next = 0;

  int_type underflow() override {
    if (next == bytes.size()) return traits_type::eof();
    setg(&bytes[next], &bytes[next], &bytes[next] + 1);
    return traits_type::to_int_type(bytes[next++]);
  }
};

// The first line whose first word is the size, with more than white space
// after it, describes the size, wherever the pieces of the table are cut.
TEST(LookupTest, FindsTheFirstLineWhoseFirstWordIsTheSize) {
  const std::string table =
      "\xEF\xBB\xBF"
      "300x250 Medium Rectangle\r\n\n \t\n160x600\n160x600 \t\r\n 160x600\tWide Skyscraper \t\n"
      "300x250 Second\n\xEF\xBB\xBF"
      "728x90 Marked\n970x90\v\f\rLarge\r\r";
  const struct {
    std::string table, size;
    std::optional<std::string> description;
  } cases[] = {
      {table, "300x250", "Medium Rectangle"},
      {table, "160x600", "Wide Skyscraper \t"},
      {table, "970x90", "Large\r"},
      {table, "728x90", std::nullopt},
      {"300x250 Medium Rectangle", "300x25", std::nullopt},
      {"300x25 Medium Rectangle", "300x250", std::nullopt},
      {"Medium 300x250 Rectangle", "300x250", std::nullopt},
      {"300x250  Medium Rectangle", "300x250 ", std::nullopt},
  };
  for (const auto& c : cases) {
    for (std::size_t pieces = 3; pieces <= c.table.size(); ++pieces) {
      std::string chunk(pieces, '\0');
      std::istringstream whole(c.table);
      EXPECT_EQ(FindDescription(whole, c.size, chunk), c.description) << c.size << " / " << pieces;
      OneByteAtATime bytes;
      bytes.bytes = c.table;
      std::istream trickle(&bytes);
      EXPECT_EQ(FindDescription(trickle, c.size, chunk), c.description)
          << c.size << " / " << pieces;
    }
  }
}

}  // namespace
