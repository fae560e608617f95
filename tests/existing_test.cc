// The code that a line of existing_codes.txt lists: its first field as a
// reader of comma-separated values takes it, without the white space and
// the characters that take no room around it.

#include "existing.h"

#include <gtest/gtest.h>

namespace {

TEST(ListedCodeTest, TakesTheFirstFieldWithoutWhatSurroundsIt) {
  const struct {
    const char* line;
    const char* code;
  } cases[] = {
      {"Gazette-Sports-MediumRectangle,Gazette-Sports-MediumRectangle,300x250",
       "Gazette-Sports-MediumRectangle"},
      {"\"Gazette-Sports-MediumRectangle\",\"Gazette, the\"", "Gazette-Sports-MediumRectangle"},
      {"\"He said \"\"hi\"\"\",x", "He said \"hi\""},  // "" inside quotes is one
      {"\"A,B\",C", "A,B"},                            // a comma inside quotes belongs to it
      {"\"Unclosed,to the end", "Unclosed,to the end"},
      {" \t\"Quoted after blanks\" ,x", "Quoted after blanks"},
      {"\xC2\xA0Gazette\xE2\x80\x8B", "Gazette"},  // no-break and zero-width spaces
      {"\xE3\x80\x80\xE2\x81\xA0Gazette\xEF\xBB\xBF\xE2\x80\x8C\xE2\x80\x8D,x", "Gazette"},
      {"\"\xE2\x80\x8BGazette\xC2\xA0\"", "Gazette"},
      {"Gaz\xC2\xA0"
       "ette",
       "Gaz\xC2\xA0"
       "ette"},                                        // inside a code it stays
      {"Caf\xC3\xA9", "Caf\xC3\xA9"},                  // a letter's last byte is no space
      {"Gazette\xC2\xA0\xA0", "Gazette\xC2\xA0\xA0"},  // nor a stray byte after a space
      {"# a comment", ""},
      {" \xC2\xA0# a comment", ""},
      {"\"#\",x", "#"},
      {"", ""},
      {"\xE2\x80\x8B \t", ""},
      {",Gazette", ""},
  };
  for (const auto& [line, code] : cases) EXPECT_EQ(ListedCode(line), code) << line;
}

}  // namespace
