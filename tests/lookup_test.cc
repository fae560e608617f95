#include "lookup.h"

#include <gtest/gtest.h>

#include <sstream>

#include "helpers.h"
#include "slotwright.h"

namespace {

const std::string nul(1, '\0');

// A stream buffer that brings in one byte at a time, as a library may: it
// holds one byte whenever it holds any.
class OneByteAtATime : public std::streambuf {
 public:
  explicit OneByteAtATime(std::string bytes) : bytes_(std::move(bytes)) {}

 protected:
  int_type underflow() override {
    if (next_ == bytes_.size()) return traits_type::eof();
    char* const byte = &bytes_[next_++];
    setg(byte, byte, byte + 1);
    return traits_type::to_int_type(*byte);
  }

 private:
  std::string bytes_;
  std::size_t next_ = 0;
};

TEST(DescribeLineTest, GivesTheRestOfALineWhoseFirstWordIsTheSize) {
  const struct {
    std::string line, size;
    std::optional<std::string> description;
  } cases[] = {
      {"300x250 Medium Rectangle", "300x250", "Medium Rectangle"},
      {"728x90\tLeaderboard\r", "728x90", "Leaderboard"},
      {" \t\v\f300x250 \t Spaced  \t", "300x250", "Spaced  \t"},
      {"300x250 Two\r\r", "300x250", "Two\r"},
      {"300x250 a" + nul + "b, \"c\" 'd'", "300x250", "a" + nul + "b, \"c\" 'd'"},
      {"300x250", "300x250", std::nullopt},  // a size alone describes nothing
      {"300x250 \t\r", "300x250", std::nullopt},
      {"300x2500 Decoy", "300x250", std::nullopt},
      {"300x25 Short", "300x250", std::nullopt},
      {"300x251 Other", "300x250", std::nullopt},
      {"300X250 Case", "300x250", std::nullopt},
      {"Medium 300x250 Rectangle", "300x250", std::nullopt},  // not the first word
      {"320x50 Mobile Banner", "320x50 Mobile", std::nullopt},
      {"320x50\tMobile Banner", "320x50\tMobile", std::nullopt},
      {" Banner", "", std::nullopt},
      {"", "", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DescribeLine(c.line, c.size), c.description)
        << testing::PrintToString(c.size) << " in " << testing::PrintToString(c.line);
  }
}

// The table in pieces down to the smallest: lines cut anywhere must read as
// whole ones.
TEST(FindDescriptionTest, ReadsTheTableLineByLineWhateverItsPieces) {
  const std::string sample =
      "300x250 Medium Rectangle\r\n728x90\tLeaderboard\n160x600\nWide Skyscraper\n"
      "320x50 Mobile Banner, half of 320x100\n\n320x100 Large Mobile Banner\n"
      "300x250 Second\n970x90 Large Leaderboard";
  const std::string marked = byteOrderMark + "300x250 Marked\n";
  const struct {
    std::string table, size;
    std::optional<std::string> description;
  } cases[] = {
      {sample, "300x250", "Medium Rectangle"},  // the first of two
      {sample, "728x90", "Leaderboard"},
      {sample, "160x600", std::nullopt},
      {sample, "Wide", "Skyscraper"},
      {sample, "320x100", "Large Mobile Banner"},
      {sample, "970x90", "Large Leaderboard"},  // the last line, without a line feed
      {sample, "468x60", std::nullopt},
      {"", "300x250", std::nullopt},
      {marked, "300x250", "Marked"},
      {byteOrderMark, "300x250", std::nullopt},
      {"\n" + marked, "300x250", std::nullopt},  // the mark only counts first
      {byteOrderMark + marked, "300x250", std::nullopt},
  };
  for (const std::size_t chunkSize : {3, 4, 7, 64, 4096}) {
    std::string chunk(chunkSize, '\0');
    for (const auto& c : cases) {
      const std::string what = c.size + " in " + testing::PrintToString(c.table) + ", chunks of " +
                               std::to_string(chunkSize);
      std::istringstream table(c.table);
      EXPECT_EQ(FindDescription(table, c.size, chunk), c.description) << what;
      OneByteAtATime bytes(c.table);
      std::istream trickle(&bytes);
      EXPECT_EQ(FindDescription(trickle, c.size, chunk), c.description) << what << ", one by one";
    }
  }
}

using GetAdDescriptionTest = InScratchDir;

TEST_F(GetAdDescriptionTest, ReadsTheTableAfreshOnEveryCall) {
  WriteFile(adDescriptionFilename, "300x250 Medium Rectangle\r\n");
  EXPECT_EQ(GetAdDescription("300x250"), "Medium Rectangle");
  EXPECT_EQ(GetAdDescription("728x90"), "Undocumented ad size");
  WriteFile(adDescriptionFilename, byteOrderMark + "728x90 Leaderboard\n");
  EXPECT_EQ(GetAdDescription("300x250"), "Undocumented ad size");
  EXPECT_EQ(GetAdDescription("728x90"), "Leaderboard");
}

}  // namespace
