#include "lookup.h"

#include <gtest/gtest.h>

#include "scratch.h"
#include "slotwright.h"

namespace {

using LookupTest = InScratchDir;

TEST_F(LookupTest, DescribesASizeByTheFirstLineWhoseFirstWordItIs) {
  const std::string sample =
      "300x250 Medium Rectangle\r\n728x90\tLeaderboard\n160x600\nWide Skyscraper\n"
      "320x50 Mobile Banner, half of 320x100\n320x100 Large Mobile Banner\n";
  const std::string nul(1, '\0');
  const struct {
    std::string table, size, description;
  } cases[] = {
      {sample, "300x250", "Medium Rectangle"},
      {sample, "160x600", "Undocumented ad size"},  // alone on its line
      {sample, "320x100", "Large Mobile Banner"},   // not the word inside line 5
      {sample, "Wide", "Skyscraper"},
      {sample, "300x2500", "Undocumented ad size"},
      {sample, "320x50 Mobile", "Undocumented ad size"},
      {sample, "", "Undocumented ad size"},
      {"300x250 \t\r\n300x250 Second\n", "300x250", "Second"},
      {"300x250 First\n300x250 Second", "300x250", "First"},
      {"  \t300x250 \t Spaced  \t", "300x250", "Spaced  \t"},
      {"300x250 Two\r\r\n", "300x250", "Two\r"},
      {"\xEF\xBB\xBF"
       "300x250 Marked",
       "300x250", "Undocumented ad size"},
      {"x" + nul + " y\n300x250 a" + nul + "b\n", "300x250", "a" + nul + "b"},
  };
  for (const auto& c : cases) {
    WriteFile(adDescriptionFilename, c.table);
    EXPECT_EQ(GetAdDescription(c.size), c.description)
        << c.size << " in " << testing::PrintToString(c.table);
  }
}

// The table is read 16383 bytes at a time: a line, even one that only looks
// like an entry, may stand across the border, and may be longer than a piece.
TEST_F(LookupTest, FindsEntriesWhereverTheyStandInALargeTable) {
  for (const std::size_t before : {16370, 16376, 16380, 16383, 16384, 40000}) {
    const std::string longDescription(30000, 'd');
    WriteFile(adDescriptionFilename, std::string(before - 1, 'f') +
                                         "\n300x2500 Decoy\n300x250 \t  " + longDescription +
                                         "\r\n970x90 Large Leaderboard");
    EXPECT_EQ(GetAdDescription("300x250"), longDescription) << before;
    EXPECT_EQ(GetAdDescription("970x90"), "Large Leaderboard") << before;
    EXPECT_EQ(GetAdDescription("728x90"), "Undocumented ad size") << before;
  }
}

TEST_F(LookupTest, ReadsTheTableAfreshOnEveryCall) {
  WriteFile(adDescriptionFilename, "300x250 Medium Rectangle\n");
  EXPECT_EQ(GetAdDescription("300x250"), "Medium Rectangle");
  WriteFile(adDescriptionFilename, "300x250 Renamed\n");
  EXPECT_EQ(GetAdDescription("300x250"), "Renamed");
}

}  // namespace
