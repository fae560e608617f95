#include "compose.h"

#include <gtest/gtest.h>

namespace {

// Blanks and apostrophes leave the code from every part; the description
// keeps them.
TEST(ComposeTest, DropsBlanksAndApostrophesFromTheCodeOnly) {
  EXPECT_EQ(ComposeCode("Anglers' Weekly", "Editor's Pick", "Publisher's Choice"),
            "AnglersWeekly-EditorsPick-PublishersChoice");
  EXPECT_EQ(ComposeDescription("Anglers' Weekly", "Editor's Pick", "Publisher's Choice"),
            "Publisher's Choice on section \"Editor's Pick\" on Anglers' Weekly");
}

}  // namespace
