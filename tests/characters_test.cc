#include "characters.h"

#include <gtest/gtest.h>

namespace {

// Characters written out by hand, with what the check shows for each: ASCII
// that every network takes, letters and digits beyond it that only some do,
// and what none does.
TEST(CharactersTest, SortsEachCharacterOfAPart) {
  const struct {
    std::string part;
    bool startsCode;
    std::string refused, beyondAscii, notUtf8;
  } cases[] = {
      {"/news", true, "\"/\" first", "", ""},
      {"/news", false, "", "", ""},
      {"Smith&Jones#1", false, "\"&\"", "", ""},
      {"Tab\there", false, "U+0009", "", ""},
      {"Caf\xC3\xA9", false, "", "\"\xC3\xA9\"", ""},       // é
      {"Z\xC3\xBCrich", false, "", "\"\xC3\xBC\"", ""},     // ü
      {"\xCE\x91", false, "", "\"\xCE\x91\"", ""},          // Greek Alpha
      {"\xE6\x9D\xB1", false, "", "\"\xE6\x9D\xB1\"", ""},  // 東
      {"\xEF\xBC\x92", false, "", "\"\xEF\xBC\x92\"", ""},  // fullwidth 2
      {"x\xC2\xB2", false, "", "\"\xC2\xB2\"", ""},         // superscript 2
      {"O\xE2\x80\x99"
       "Brien",
       false, "U+2019", "", ""},  // ’
      {"Leader\xE2\x80\x93"
       "board",
       false, "U+2013", "", ""},  // –
      {"No\xC2\xA0"
       "break",
       false, "U+00A0", "", ""},                                      // no-break space
      {"Zero\xE2\x80\x8Bwidth", false, "U+200B", "", ""},             // zero-width space
      {"Cafe\xCC\x81", false, "U+0301", "", ""},                      // combining acute
      {"\xF0\x9F\x98\x80", false, "U+1F600", "", ""},                 // emoji
      {"\xEE\x80\x80", false, "U+E000", "", ""},                      // private use
      {"\xCD\xB8", false, "U+0378", "", ""},                          // unassigned
      {"\xC3\xA9&\xE2\x80\x99", false, "\"&\"", "\"\xC3\xA9\"", ""},  // the first of each
      {"Z\xFCrich&", false, "\"&\"", "", "byte 0xFC"},                // Latin-1: ASCII alone
      {"\xE0\x80\xAF", false, "", "", "byte 0xE0"},                   // overlong /
      {"\xED\xA0\x80", false, "", "", "byte 0xED"},                   // a surrogate
      {"\xF4\x90\x80\x80", false, "", "", "byte 0xF4"},               // above U+10FFFF
      {"\xF5\x80\x80\x80", false, "", "", "byte 0xF5"},               // a lead byte above F4
      {"\xF9\x80\x80\x80", false, "", "", "byte 0xF9"},               // not U+40000
      {"\xFC\x80\x80\x80", false, "", "", "byte 0xFC"},               // not U+100000
      {"ab\xE2\x80", false, "", "", "byte 0xE2"},                     // a cut sequence
      {"\xF4\x8F\xBF\xBF", false, "U+10FFFF", "", ""},                // the last code point
      {"\xC2\xAA\xC2\xAB", false, "U+00AB", "\"\xC2\xAA\"", ""},      // the edges of a range
      {"\xF0\xB1\x8D\x8A\xF0\xB1\x8D\x8B", false, "U+3134B", "\"\xF0\xB1\x8D\x8A\"", ""},
      {"Z_\\", false, "", "", ""},      // between Z and a, _ and \ are taken
      {"a[b", false, "\"[\"", "", ""},  // and the others refused
      {"a]b", false, "\"]\"", "", ""},
      {"a^b", false, "\"^\"", "", ""},
      {"a`b", false, "\"`\"", "", ""},
      {"a\x7F", false, "U+007F", "", ""},  // DEL
      {"\xF8\x88\x80\x80\x80", false, "", "", "byte 0xF8"},
      {"\xFF", false, "", "", "byte 0xFF"},
      {"\xFC&x", false, "\"&\"", "", "byte 0xFC"},  // ASCII at an odd position
      {"\xFCx&", false, "\"&\"", "", "byte 0xFC"},  // and at an even one
  };
  for (const auto& c : cases) {
    const auto kinds = CharacterKinds(c.part, c.startsCode);
    EXPECT_EQ(kinds[refusedKind], c.refused) << c.part;
    EXPECT_EQ(kinds[beyondAsciiKind], c.beyondAscii) << c.part;
    EXPECT_EQ(kinds[notUtf8Kind], c.notUtf8) << c.part;
  }
}

// What the check shows of a text between double quotes: every character
// that a terminal doesn't show as itself by its number, every byte that is
// no part of UTF-8 by its value, and the rest as it is.
TEST(CharactersTest, ShowsWhatATerminalWouldNot) {
  const std::pair<std::string, std::string> cases[] = {
      {"Gazette Post", "Gazette Post"},                                    // a blank stays
      {std::string("a\0b\tc\rd", 7), "a<U+0000>b<U+0009>c<U+000D>d"},      // C0
      {"a\x7F", "a<U+007F>"},                                              // DEL
      {"\xC2\x80\xC2\x85", "<U+0080><U+0085>"},                            // C1
      {"Metro\xC2\xA0News\xE3\x80\x80", "Metro<U+00A0>News<U+3000>"},      // white space
      {"a\xE2\x80\x8B\xC2\xAD\xEF\xBB\xBF", "a<U+200B><U+00AD><U+FEFF>"},  // format
      {"\xF3\xA0\x80\x81", "<U+E0001>"},             // five digits where needed
      {"Cafe\xCC\x81 Noir", "Cafe<U+0301> Noir"},    // combining
      {"\xEE\x80\x80\xCD\xB8", "<U+E000><U+0378>"},  // private use, unassigned
      {"Z\xFCrich Post", "Z<0xFC>rich Post"},        // not UTF-8
      {"\xC0\xAF", "<0xC0><0xAF>"},                  // overlong
      {"Caf\xC3\xA9 O\xE2\x80\x99"
       "Brien \xE6\x9D\xB1 \xF0\x9F\x98\x80",
       "Caf\xC3\xA9 O\xE2\x80\x99"
       "Brien \xE6\x9D\xB1 \xF0\x9F\x98\x80"},  // visible
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(Shown(text), shown) << text;
}

// White space by Unicode's White_Space, and the characters that take no
// room: none of them can stand in a size that a table line describes.
TEST(CharactersTest, TellsWhiteSpaceAndCharactersThatTakeNoRoom) {
  for (const char32_t c : {0x09, 0x0D, 0x20, 0x85, 0xA0, 0x1680, 0x2000, 0x200A, 0x200B, 0x200C,
                           0x200D, 0x2028, 0x2029, 0x202F, 0x205F, 0x2060, 0x3000, 0xFEFF}) {
    EXPECT_TRUE(IsWhiteSpaceOrZeroWidth(c)) << std::hex << c;
  }
  for (const char32_t c : {0x08, 0x0E, 0x1F, 0x21, 0x84, 0x86, 0x9F, 0xA1, 0x180E, 0x200E, 0x2061,
                           0x2FFF, 0x3001, 0xFEFE, 0xFF00}) {
    EXPECT_FALSE(IsWhiteSpaceOrZeroWidth(c)) << std::hex << c;
  }
}

}  // namespace
