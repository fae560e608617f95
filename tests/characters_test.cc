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
      {"ab\xE2\x80", false, "", "", "byte 0xE2"},                     // a cut sequence
      {"\xF4\x8F\xBF\xBF", false, "U+10FFFF", "", ""},                // the last code point
      {"\xC2\xAA\xC2\xAB", false, "U+00AB", "\"\xC2\xAA\"", ""},      // the edges of a range
      {"\xF0\xB1\x8D\x8A\xF0\xB1\x8D\x8B", false, "U+3134B", "\"\xF0\xB1\x8D\x8A\"", ""},
  };
  for (const auto& c : cases) {
    const auto kinds = CharacterKinds(c.part, c.startsCode);
    EXPECT_EQ(kinds[refusedKind], c.refused) << c.part;
    EXPECT_EQ(kinds[beyondAsciiKind], c.beyondAscii) << c.part;
    EXPECT_EQ(kinds[notUtf8Kind], c.notUtf8) << c.part;
  }
}

}  // namespace
