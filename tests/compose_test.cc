#include "compose.h"

#include <gtest/gtest.h>

namespace {

TEST(ComposeTest, JoinsSiteSectionAndSizeDescription) {
  const struct {
    std::string site, section, sizeDescription, code, description;
  } cases[] = {
      {"Gazette", "Sports", "Medium Rectangle", "Gazette-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\" on Gazette"},
      {"Gazette", "", "Medium Rectangle", "Gazette-MediumRectangle", "Medium Rectangle on Gazette"},
      {"", "Sports", "Medium Rectangle", "ROS-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\""},
      {"", "", "Medium Rectangle", "ROS-MediumRectangle", "Medium Rectangle"},
      {"ROS", "", "Medium Rectangle", "ROS-MediumRectangle", "Medium Rectangle on ROS"},
      {"Anglers' Weekly", "Home Page", "Medium Rectangle", "AnglersWeekly-HomePage-MediumRectangle",
       "Medium Rectangle on section \"Home Page\" on Anglers' Weekly"},
      {"Gazette", " ", "Medium Rectangle", "Gazette--MediumRectangle",
       "Medium Rectangle on section \" \" on Gazette"},
      {" ", "Sports", "Medium Rectangle", "-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\" on  "},
      {"North-East", "Sports", "Medium Rectangle", "North-East-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\" on North-East"},
      {"Gazette", "Sports", "", "Gazette-Sports-", " on section \"Sports\" on Gazette"},
      {"Smith, \"Jones\"\t", "Sports", "Ad's size", "Smith,\"Jones\"\t-Sports-Adssize",
       "Ad's size on section \"Sports\" on Smith, \"Jones\"\t"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComposeCode(c.site, c.section, c.sizeDescription), c.code) << c.code;
    EXPECT_EQ(ComposeDescription(c.site, c.section, c.sizeDescription), c.description) << c.code;
  }
}

}  // namespace
