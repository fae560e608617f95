// End to end: the program started with arguments.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "expected.h"
#include "scratch.h"

namespace fs = std::filesystem;

namespace {

const std::string helpText =
    "\n"
    "Slotwright generates Google DFP's ad units based on input files with sites names, sites "
    "sections, ad sizes and save them on the file ad_units.csv.\n"
    "\n"
    "In order for it to work, you have to create and populate the following three files:\n"
    "* sites.txt    : should contains the list of sites for which to create the individual ad "
    "units;\n"
    "* sections.txt : should contains the sections of the sites that will be targeted;\n"
    "* adsizes.txt  : should contains the desidered ad sizes.\n"
    "\n"
    "There is a fourth input file involved: addescription.txt; grab it from the installation "
    "media where you got Slotwright and place it on the same directory where you placed the "
    "above three files. addescription.txt already contains the description of the most common "
    "ad sizes, but if you want to support more you can add them in this file with the format "
    "\"widthXheight[TAB space]Description\" (without quote marks).\n"
    "\n"
    "As already mentioned, all the above files should placed on the same directory; be sure to "
    "have writing permissions to such directory since Slotwright need them to generate the "
    "ad_units.csv file.\n"
    "\n"
    "IMPORTANT:\n"
    "* adsizes.txt should contain at least one ad size (the program will stop and generate no "
    "unit if there isn't at least one size);\n"
    "* if addescription.txt is empty, the ads codes, names and descriptions will include a "
    "generic \"Undocumented ad size\". The units will work on DFP, but the codes, name and "
    "descriptions will be ... ugly; therefore it is recommended that addescription.txt always "
    "include a matching description for each ad size in adsizes.txt;\n"
    "* sites.txt can be empty. The ads codes, names and descriptions will include \"ROS\" (ad "
    "industry acronym for ad units that are applied to all the pages);\n"
    "* sections.txt can be empty. The ads codes, names and descriptions will omit any mention "
    "of it (it is assumed to be a ROS ad);\n"
    "* at the moments Slotwright will generate the same string for the ad codes and ad names "
    "(it is due to a personal preference; I'll see if I can come up with something "
    "different);\n"
    "* Slotwright supports an unlimited (see note below) number of sites in sites.txt, but only "
    "a single file for the ad sizes and only a single file for the sections; this means that "
    "the same ad sizes and sections will be applied to all sites. If the sites have totally "
    "different structures (sections) and/or require different ad sizes, you should put only "
    "one site at the time in sites.txt, modify adsizes.txt and sections.txt accordingly, "
    "generate ad_units.csv, save it somewhere else (preferably with a better identifying "
    "name), and repeat this procedure with another site in sites.txt;\n"
    "* While Slotwright does not have any cap on the number of items in each input file, "
    "therefore making the number of ad units that can be generated virtually unlimited, it has "
    "NOT been tested with a high number of inputs. In such scenarios you may experience "
    "problems like, but not limited to, bugs, software freezes, or general system "
    "instabilities. USE AT YOUR OWN RISK!\n";

const std::string optionListing =
    "Unknown parameter.\n"
    "The accepted parameters are:\n"
    "--version    for the version of Slotwright;\n"
    "--help or -h for the help.\n";

// Every file of a directory with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    files[entry.path().filename().string()] = ReadFile(entry.path().string());
  }
  return files;
}

struct OptionCase {
  std::vector<std::string> args;
  std::string out;
  int status;
};

TEST(OptionsTest, AnswersTheFirstArgumentAndTouchesNoFile) {
  const OptionCase cases[] = {
      {{"--version"}, banner, 0},
      {{"--version", "--help"}, banner, 0},
      {{"--help"}, banner + helpText, 0},
      {{"-h"}, banner + helpText, 0},
      {{"-h", "--version", "x"}, banner + helpText, 0},
      {{"-H"}, banner + optionListing, 1},
      {{"--Version"}, banner + optionListing, 1},
      {{"--helpme"}, banner + optionListing, 1},
      {{"--version "}, banner + optionListing, 1},
      {{"-help"}, banner + optionListing, 1},
      {{"---help"}, banner + optionListing, 1},
      {{"--h"}, banner + optionListing, 1},
      {{"-version"}, banner + optionListing, 1},
      {{"/?"}, banner + optionListing, 1},
      {{""}, banner + optionListing, 1},
      {{"run", "--help"}, banner + optionListing, 1},
  };
  for (const OptionCase& c : cases) {
    const std::string what = testing::PrintToString(c.args);
    // One directory with an earlier listing and a site list, one empty: the
    // first keeps its bytes, the second gets no listing.
    for (const bool withFiles : {true, false}) {
      const std::string dir = MakeScratchDir();
      if (withFiles) {
        WriteFile(dir + "/ad_units.csv", "rows of an earlier run\n");
        WriteFile(dir + "/sites.txt", "Gazette\n");
      }
      const auto before = Snapshot(dir);
      const RunResult run = RunProgram(dir, c.args);
      EXPECT_EQ(run.out, c.out) << what;
      EXPECT_EQ(run.err, "") << what;
      EXPECT_EQ(run.status, c.status) << what;
      EXPECT_EQ(Snapshot(dir), before) << what;
      fs::remove_all(dir);
    }
  }
}

}  // namespace
