#include "lookup.h"

#include <gtest/gtest.h>

#include "scratch.h"
#include "slotwright.h"

namespace {

using LookupTest = InScratchDir;

// The six-line table of the documentation, with a tab on line 2.
const std::string sampleTable =
    "300x250 Medium Rectangle\n"
    "728x90\tLeaderboard\n"
    "160x600\n"
    "Wide Skyscraper\n"
    "320x50 Mobile Banner, half of 320x100\n"
    "320x100 Large Mobile Banner\n";

std::string WithCarriageReturns(const std::string& table) {
  std::string out;
  for (const char c : table) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST_F(LookupTest, MatchesTheFirstWordOfALineOnly) {
  const struct {
    std::string size;
    std::string description;
  } cases[] = {
      {"300x250", "Medium Rectangle"},
      {"728x90", "Leaderboard"},
      {"160x600", "Undocumented ad size"},  // alone on its line
      {"320x50", "Mobile Banner, half of 320x100"},
      {"320x100", "Large Mobile Banner"},  // not the word inside line 5
      {"Wide", "Skyscraper"},
      {"468x60", "Undocumented ad size"},
      {"300X250", "Undocumented ad size"},
      {"300x25", "Undocumented ad size"},
      {"300x2500", "Undocumented ad size"},
      {"300x250 ", "Undocumented ad size"},
      {"320x50 Mobile", "Undocumented ad size"},
      {"728x90\tLeaderboard", "Undocumented ad size"},
      {"Medium", "Undocumented ad size"},
      {"", "Undocumented ad size"},
  };
  for (const std::string& table : {sampleTable, WithCarriageReturns(sampleTable)}) {
    WriteFile(adDescriptionFilename, table);
    for (const auto& c : cases) {
      EXPECT_EQ(GetAdDescription(c.size), c.description)
          << c.size << " in " << testing::PrintToString(table);
    }
  }
}

TEST_F(LookupTest, TakesTheRestOfTheLineAfterTheSizeAndItsWhiteSpace) {
  const struct {
    std::string table;
    std::string description;
  } cases[] = {
      {"", "Undocumented ad size"},
      {" \t\n\n\r\n", "Undocumented ad size"},
      {"300x250", "Undocumented ad size"},
      {"300x250 \t\r\n", "Undocumented ad size"},
      {"300x250\nMedium Rectangle\n", "Undocumented ad size"},
      {"300x250\n300x250 Second\n", "Second"},
      {"300x250 First\n300x250 Second\n", "First"},
      {"  \t300x250 Indented", "Indented"},
      {"300x250 \t Spaced  \t", "Spaced  \t"},
      {"300x250 Two\r\r\n", "Two\r"},
      {"300x250 Medium Rectangle", "Medium Rectangle"},
      {"300x250 Medium Rectangle\r", "Medium Rectangle"},
      {"300x250 \"Quoted\", it's", "\"Quoted\", it's"},
      {"\xEF\xBB\xBF"
       "300x250 Marked",
       "Undocumented ad size"},
      {std::string("300x250 a\0b\n", 12), std::string("a\0b", 3)},
      {std::string("x\0 y\n300x250 After\n", 19), "After"},
  };
  for (const auto& c : cases) {
    WriteFile(adDescriptionFilename, c.table);
    EXPECT_EQ(GetAdDescription("300x250"), c.description) << testing::PrintToString(c.table);
  }
}

// The table is read in pieces: a size, its gap or its description may stand
// across the border of two of them, and a line may be longer than a piece.
TEST_F(LookupTest, FindsEntriesWhereverTheyStandInALargeTable) {
  for (const std::size_t before : {8180, 8185, 8191, 8192, 8195, 20000, 70000}) {
    const std::string filler(before - 1, 'f');
    const std::string longDescription(30000, 'd');
    WriteFile(adDescriptionFilename,
              filler + "\n300x250 \t  " + longDescription + "\r\n970x90 Large Leaderboard\n");
    EXPECT_EQ(GetAdDescription("300x250"), longDescription) << before;
    EXPECT_EQ(GetAdDescription("970x90"), "Large Leaderboard") << before;
    EXPECT_EQ(GetAdDescription("728x90"), "Undocumented ad size") << before;
  }
}

// A table crowded with the size's first byte is read another way.
TEST_F(LookupTest, FindsEntriesAmongLinesFullOfTheSizesFirstByte) {
  const std::string many(40, '3');
  for (const int lines : {0, 1, 2, 50}) {
    std::string table;
    for (int i = 0; i < lines; ++i) table += "33 3 " + many + "\n";
    WriteFile(adDescriptionFilename, table + "  300x250\t333 Medium\n" + "33 3 " + many + "\n");
    EXPECT_EQ(GetAdDescription("300x250"), "333 Medium") << lines;
    EXPECT_EQ(GetAdDescription("33"), "3 " + many) << lines;
    EXPECT_EQ(GetAdDescription("3"), "Undocumented ad size") << lines;
  }
}

TEST_F(LookupTest, ReadsTheTableAfreshOnEveryCall) {
  WriteFile(adDescriptionFilename, "300x250 Medium Rectangle\n");
  EXPECT_EQ(GetAdDescription("300x250"), "Medium Rectangle");
  WriteFile(adDescriptionFilename, "300x250 Renamed\n");
  EXPECT_EQ(GetAdDescription("300x250"), "Renamed");
}

}  // namespace
