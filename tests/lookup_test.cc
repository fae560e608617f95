#include "lookup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "text.h"

namespace {

// The first line whose first word is the size, with more than white space
// after it, describes the size, wherever the pieces of the table are cut;
// its number is counted from 1, a first line with a mark too.
TEST(LookupTest, FindsTheFirstLineWhoseFirstWordIsTheSize) {
  const std::string table =
      "\xEF\xBB\xBF"
      "300x250 Medium Rectangle\r\n\n \t\n160x600\n160x600 \t\r\n 160x600\tWide Skyscraper \t\n"
      "300x250 Second\n\xEF\xBB\xBF"
      "728x90 Marked\n970x90\v\f\rLarge\r\r";
  const struct {
    std::string table, size;
    std::optional<std::string> description;
    std::size_t line;
  } cases[] = {
      {table, "300x250", "Medium Rectangle", 1},
      {table, "160x600", "Wide Skyscraper \t", 6},
      {table, "970x90", "Large\r", 9},
      {table, "728x90", std::nullopt, 0},
      {"300x250 Medium Rectangle", "300x25", std::nullopt, 0},
      {"300x25 Medium Rectangle", "300x250", std::nullopt, 0},
      {"Medium 300x250 Rectangle", "300x250", std::nullopt, 0},
      {"300x250  Medium Rectangle", "300x250 ", std::nullopt, 0},
  };
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("slotwright-lookup-" + std::to_string(rand()));
  for (const auto& c : cases) {
    std::ofstream(path, std::ios::binary) << c.table;
    for (std::size_t pieces = 3; pieces <= c.table.size() + 1; ++pieces) {
      std::string chunk(pieces, '\0');
      const int table = OpenPieces(path.string());
      bool utf16, unreadable;
      std::size_t line = 99;
      EXPECT_EQ(FindDescription(table, c.size, chunk, utf16, unreadable, line), c.description)
          << c.size << " / " << pieces;
      EXPECT_EQ(line, c.line) << c.size << " / " << pieces;
      ClosePieces(table);
    }
  }
  std::filesystem::remove(path);
}

// A line that would describe the size but for what follows it: white space
// that the table doesn't take there, or a character that takes no room.
TEST(LookupTest, FindsALineThatAlmostDescribesTheSize) {
  const struct {
    std::string line;
    char32_t separator;
  } cases[] = {
      {"300x250\xC2\xA0Medium Rectangle", 0xA0},
      {" \t300x250\xE2\x80\x8BMedium", 0x200B},
      {"300x250\xC2\x85Medium", 0x85},
      {"300x250\tMedium Rectangle", 0},  // the lookup takes it
      {"300x250\vMedium Rectangle", 0},
      {"300x2500\xC2\xA0Medium", 0},
      {"300x250", 0},
      {" \t ", 0},  // white space to its end
      {"Medium 300x250\xC2\xA0Rectangle", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(NearSeparator(c.line, "300x250"), c.separator) << c.line;
}

}  // namespace
