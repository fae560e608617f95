#include "compose.h"

#include <gtest/gtest.h>

namespace {

TEST(ComposeTest, JoinsSiteSectionAndSizeDescription) {
  const struct {
    std::string site, section, sizeDescription, code, description;
  } cases[] = {
      {"Gazette", "Sports", "Leaderboard", "Gazette-Sports-Leaderboard",
       "Leaderboard on section \"Sports\" on Gazette"},
      {"Anglers' Weekly", "Editor's Pick", "Publisher's Choice",
       "AnglersWeekly-EditorsPick-PublishersChoice",
       "Publisher's Choice on section \"Editor's Pick\" on Anglers' Weekly"},
      {"", "Sports", "Medium Rectangle", "ROS-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\""},
      {"Gazette", "", "Medium Rectangle", "Gazette-MediumRectangle", "Medium Rectangle on Gazette"},
      {"", "", "", "ROS-", ""},
      {" ", "\t", "a\"b,c", "-\t-a\"b,c", "a\"b,c on section \"\t\" on  "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComposeCode(c.site, c.section, c.sizeDescription), c.code);
    EXPECT_EQ(ComposeDescription(c.site, c.section, c.sizeDescription), c.description);
  }
}

}  // namespace
