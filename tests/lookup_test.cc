#include "lookup.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A stream buffer that brings in one byte at a time, as a library may.
class OneByteAtATime : public std::streambuf {
 public:
  explicit OneByteAtATime(std::string bytes) : bytes_(std::move(bytes)) {}

 protected:
  int_type underflow() override {
    if (next_ == bytes_.size()) return traits_type::eof();
    setg(&bytes_[next_], &bytes_[next_], &bytes_[next_] + 1);
    return traits_type::to_int_type(bytes_[next_++]);
  }

 private:
  std::string bytes_;
  std::size_t next_ = 0;
};

// The first line whose first word is the size, and which holds more than
// white space after it, describes the size; lines may be cut anywhere
// between pieces.
TEST(LookupTest, ReadsTheTableLineByLine) {
  const std::string sample =
      "\xEF\xBB\xBF"
      "300x250 Medium Rectangle\r\n"
      "728x90\tLeaderboard\n"
      "160x600 \t\r\n"
      "320x50 Mobile Banner, half of 320x100\n"
      "  320x100 Large \t\n"
      "300x251 Other\n"
      "300x250 Second\n"
      "160x600\tWide\n"
      "970x90 Large Leaderboard\r\r";
  const struct {
    std::string table, size;
    std::optional<std::string> description;
  } cases[] = {
      {sample, "300x250", "Medium Rectangle"},
      {sample, "728x90", "Leaderboard"},
      {sample, "160x600", "Wide"},  // not from the line that holds the size alone
      {sample, "300x252", std::nullopt},
      {sample, "320x100", "Large \t"},
      {sample, "970x90", "Large Leaderboard\r"},
      {sample, "320x50 Mobile", std::nullopt},
      {sample, "", std::nullopt},
      {"\n\xEF\xBB\xBF"
       "300x250 Marked",
       "300x250", std::nullopt},
  };
  for (const std::size_t pieces : {3, 7, 4096}) {
    std::string chunk(pieces, '\0');
    for (const auto& c : cases) {
      SCOPED_TRACE(c.size + " in pieces of " + std::to_string(pieces));
      std::istringstream table(c.table);
      EXPECT_EQ(FindDescription(table, c.size, chunk), c.description);
      OneByteAtATime bytes(c.table);
      std::istream trickle(&bytes);
      EXPECT_EQ(FindDescription(trickle, c.size, chunk), c.description);
    }
  }
}

}  // namespace
