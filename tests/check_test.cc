#include "check.h"

#include <gtest/gtest.h>

namespace {

// Of the bytes below 128 a code may hold letters, digits and these alone;
// every byte from 128 up is taken, as part of a letter of another script.
TEST(CheckTest, RefusesEveryOtherCharacterBelow128) {
  const std::string taken =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_-.*\"\\/!<:()";
  for (int byte = 0; byte < 256; ++byte) {
    const std::string code = "A" + std::string(1, static_cast<char>(byte));
    EXPECT_EQ(HasRefusedCharacter(code), byte < 128 && taken.find(code[1]) == std::string::npos)
        << "byte " << byte;
  }
}

}  // namespace
