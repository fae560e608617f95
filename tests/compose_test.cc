#include "compose.h"

#include <gtest/gtest.h>

#include "scratch.h"
#include "slotwright.h"

namespace {

using ComposeTest = InScratchDir;

TEST_F(ComposeTest, ComposesCodeNameAndDescription) {
  WriteFile(adDescriptionFilename,
            "300x250 Medium Rectangle\n"
            "1x1 It's \"Out\", of\tpage\n");
  const struct {
    std::string size, site, section, code, description;
  } cases[] = {
      {"300x250", "Gazette", "Sports", "Gazette-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\" on Gazette"},
      {"300x250", "Gazette", "", "Gazette-MediumRectangle", "Medium Rectangle on Gazette"},
      {"300x250", "", "Sports", "ROS-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\""},
      {"300x250", "", "", "ROS-MediumRectangle", "Medium Rectangle"},
      {"300x250", "ROS", "", "ROS-MediumRectangle", "Medium Rectangle on ROS"},
      {"300x250", "Anglers' Weekly", "Home Page", "AnglersWeekly-HomePage-MediumRectangle",
       "Medium Rectangle on section \"Home Page\" on Anglers' Weekly"},
      {"970x66", "Gazette", "Sports", "Gazette-Sports-Undocumentedadsize",
       "Undocumented ad size on section \"Sports\" on Gazette"},
      {"300x250", "Gazette", " ", "Gazette--MediumRectangle",
       "Medium Rectangle on section \" \" on Gazette"},
      {"300x250", " ", "Sports", "-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\" on  "},
      {"300x250", "North-East", "Sports", "North-East-Sports-MediumRectangle",
       "Medium Rectangle on section \"Sports\" on North-East"},
      {"300x250", "North", "East-Sports", "North-East-Sports-MediumRectangle",
       "Medium Rectangle on section \"East-Sports\" on North"},
      {"1x1", "A,\"B\"\tC", "D", "A,\"B\"\tC-D-Its\"Out\",of\tpage",
       "It's \"Out\", of\tpage on section \"D\" on A,\"B\"\tC"},
  };
  for (const auto& c : cases) {
    const std::string what = c.size + "|" + c.site + "|" + c.section;
    EXPECT_EQ(GenerateCode(c.size, c.site, c.section), c.code) << what;
    EXPECT_EQ(GenerateName(c.size, c.site, c.section), c.code) << what;
    EXPECT_EQ(GenerateDescription(c.size, c.site, c.section), c.description) << what;
  }
}

}  // namespace
