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
      {"Az09_-.*\"\\/!<:()", true, "", "", ""},
      {"/news", true, "\"/\" first", "", ""},
      {"/news", false, "", "", ""},
      {"Smith&Jones#1", false, "\"&\"", "", ""},
      {"Tab\there", false, "U+0009", "", ""},
      {"Del\x7F", false, "U+007F", "", ""},
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
      {"\xC0\xAF", false, "", "", "byte 0xC0"},                       // overlong /
      {"\xE0\x80\xAF", false, "", "", "byte 0xE0"},                   // overlong /
      {"\xED\xA0\x80", false, "", "", "byte 0xED"},                   // a surrogate
      {"\xF4\x90\x80\x80", false, "", "", "byte 0xF4"},               // above U+10FFFF
      {"\xF5\x80\x80\x80", false, "", "", "byte 0xF5"},               // a lead byte above F4
      {"ab\xE2\x80", false, "", "", "byte 0xE2"},                     // a cut sequence
      {"\xC3\xA9\x80", false, "", "", "byte 0x80"},                   // a stray continuation
      {"\xF4\x8F\xBF\xBF", false, "U+10FFFF", "", ""},                // the last code point
  };
  for (const auto& c : cases) {
    const auto kinds = CharacterKinds(c.part, c.startsCode);
    EXPECT_EQ(kinds[refusedKind], c.refused) << c.part;
    EXPECT_EQ(kinds[beyondAsciiKind], c.beyondAscii) << c.part;
    EXPECT_EQ(kinds[notUtf8Kind], c.notUtf8) << c.part;
  }
}

// The edges of the table's ranges: the first and last letter or number of a
// range, and the code points just outside it.
TEST(CharactersTest, KnowsTheEdgesOfLettersAndNumbers) {
  const struct {
    char32_t c;
    bool letterOrNumber;
  } cases[] = {
      {0xA9, false},   {0xAA, true},     {0xAB, false},    {0xBF, false}, {0xC0, true},
      {0xD6, true},    {0xD7, false},    {0x2FF, false},   {0x370, true}, {0x10FFFF, false},
      {0x3134A, true}, {0x3134B, false}, {0x1F600, false}, {0x80, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsLetterOrNumber(c.c), c.letterOrNumber) << std::hex << c.c;
}

}  // namespace
