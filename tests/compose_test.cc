#include "compose.h"

#include <gtest/gtest.h>

namespace {

TEST(ComposeTest, JoinsSiteSectionAndSizeDescription) {
  const struct {
    std::string site, section, sizeDescription, code, description;
  } cases[] = {
      {"Anglers' Weekly", "Home Page", "Medium Rectangle", "AnglersWeekly-HomePage-MediumRectangle",
       "Medium Rectangle on section \"Home Page\" on Anglers' Weekly"},
      {" ", " ", "", "--", " on section \" \" on  "},
      {"Smith, \"J\"\t", "S-E", "Ad's", "Smith,\"J\"\t-S-E-Ads",
       "Ad's on section \"S-E\" on Smith, \"J\"\t"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComposeCode(c.site, c.section, c.sizeDescription), c.code);
    EXPECT_EQ(ComposeDescription(c.site, c.section, c.sizeDescription), c.description);
  }
}

}  // namespace
