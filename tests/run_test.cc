// End to end: the program run with no argument in a fresh directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "expected.h"
#include "scratch.h"

namespace fs = std::filesystem;

namespace {

const std::string started = banner + "\nChecking if the required files can be accessed.\n";
const std::string generating =
    started +
    "All files opened correctly.\n"
    "Generating the ad units based on the information included on the input files.\n";
const std::string completed = "Ad units created and saved to ad_units.csv.\n";
const std::string emptySize = "You must specify at least an ad size in adsizes.txt.\n";
const std::string oldListing = "rows of an earlier run\n";

std::string CouldNotOpen(const std::string& name) {
  return "Could not open " + name +
         ". Be sure that it exists, it is readable and it is on either on the "
         "same directory of this program executable or the current directory "
         "the terminal is open at.\n" +
         helpHint;
}

std::string CouldNotRead(const std::string& name) {
  return "Could not read " + name + ". Be sure that it is a readable file.\n" + helpHint;
}

const std::string gazetteMedium = Row("Gazette-Sports-MediumRectangle", "300x250",
                                      "Medium Rectangle on section \"Sports\" on Gazette");
const std::string gazetteUndocumented =
    Row("Gazette-Sports-Undocumentedadsize", "970x66",
        "Undocumented ad size on section \"Sports\" on Gazette");

// A section with a NUL byte and a byte that is no text in any encoding.
const std::string oddSection = std::string("S\0", 2) + "\xFF";

// Special file contents: a directory of that name, a link to a full disk,
// or no file at all.
const std::string directory = "<directory>";
const std::string fullDisk = "<full disk>";
const std::string absent = "<absent>";

using Files = std::map<std::string, std::string>;

// A directory holding the lists of the documented example and a listing left
// by an earlier run, changed by |changes|.
std::string MakeRunDir(const Files& changes) {
  Files files = {
      {"sites.txt", "Gazette"},
      {"sections.txt", "Sports"},
      {"adsizes.txt", "300x250\n970x66"},
      {"addescription.txt", "300x250 Medium Rectangle\n728x90\tLeaderboard\n"},
      {"ad_units.csv", oldListing},
  };
  for (const auto& [name, bytes] : changes) files[name] = bytes;
  const std::string dir = MakeScratchDir();
  for (const auto& [name, bytes] : files) {
    const std::string path = dir + "/" + name;
    if (bytes == directory) {
      fs::create_directory(path);
    } else if (bytes == fullDisk) {
      fs::create_symlink("/dev/full", path);
    } else if (bytes != absent) {
      WriteFile(path, bytes);
    }
  }
  return dir;
}

std::string ListingIn(const std::string& dir) {
  const std::string path = dir + "/ad_units.csv";
  if (fs::is_directory(path)) return directory;
  if (fs::is_symlink(path)) return fullDisk;
  return ReadFile(path);
}

struct RunCase {
  const char* name;
  Files files;
  std::string out;
  int status;
  std::string listing;
};

// clang-format off
const RunCase runCases[] = {
    {"documented example", {},
     generating + gazetteMedium + gazetteUndocumented + completed, 0, gazetteMedium + gazetteUndocumented},
    {"final line feeds end the last lines",
     {{"sites.txt", "Gazette\n"}, {"sections.txt", "Sports\n"}, {"adsizes.txt", "300x250\n970x66\n"}},
     generating + gazetteMedium + gazetteUndocumented + completed, 0, gazetteMedium + gazetteUndocumented},
    {"carriage returns end lines too",
     {{"sites.txt", "Gazette\r\n"}, {"sections.txt", "Sports\r\n"}, {"adsizes.txt", "300x250\r\n970x66\r\n"},
      {"addescription.txt", "300x250 Medium Rectangle\r\n"}},
     generating + gazetteMedium + gazetteUndocumented + completed, 0, gazetteMedium + gazetteUndocumented},
    {"units go site by site, section by section, size by size",
     {{"sites.txt", "A\nB"}, {"sections.txt", "S\nT\n"}, {"adsizes.txt", "300x250\n728x90"}},
     generating +
         Row("A-S-MediumRectangle", "300x250", "Medium Rectangle on section \"S\" on A") +
         Row("A-S-Leaderboard", "728x90", "Leaderboard on section \"S\" on A") +
         Row("A-T-MediumRectangle", "300x250", "Medium Rectangle on section \"T\" on A") +
         Row("A-T-Leaderboard", "728x90", "Leaderboard on section \"T\" on A") +
         Row("B-S-MediumRectangle", "300x250", "Medium Rectangle on section \"S\" on B") +
         Row("B-S-Leaderboard", "728x90", "Leaderboard on section \"S\" on B") +
         Row("B-T-MediumRectangle", "300x250", "Medium Rectangle on section \"T\" on B") +
         Row("B-T-Leaderboard", "728x90", "Leaderboard on section \"T\" on B") + completed, 0, ""},
    {"empty site and section lists give one pass each",
     {{"sites.txt", ""}, {"sections.txt", ""}, {"adsizes.txt", "300x250\n"}},
     generating + Row("ROS-MediumRectangle", "300x250", "Medium Rectangle") + completed, 0, ""},
    {"blank site and section lines are entries",
     {{"sites.txt", "\nGazette\n"}, {"sections.txt", "Sports\n\r\n"}, {"adsizes.txt", "300x250"}},
     generating + Row("ROS-Sports-MediumRectangle", "300x250", "Medium Rectangle on section \"Sports\"") +
         Row("ROS-MediumRectangle", "300x250", "Medium Rectangle") + gazetteMedium +
         Row("Gazette-MediumRectangle", "300x250", "Medium Rectangle on Gazette") + completed, 0, ""},
    {"an empty size list stops the run", {{"adsizes.txt", ""}}, generating + emptySize, 1, ""},
    {"a lone carriage return is an empty size", {{"adsizes.txt", "\r\n300x250\n"}},
     generating + emptySize, 1, ""},
    {"an empty size line stops the run where it stands",
     {{"sites.txt", "Gazette\nHerald\n"}, {"adsizes.txt", "300x250\n\n970x66\n"}},
     generating + gazetteMedium + emptySize, 1, gazetteMedium},
    {"blanks and byte-order marks belong to the entry",
     {{"sites.txt", "\xEF\xBB\xBFGazette"}, {"adsizes.txt", " 300x250\t\n"}},
     generating + Row("\xEF\xBB\xBFGazette-Sports-Undocumentedadsize", " 300x250\t",
                      "Undocumented ad size on section \"Sports\" on \xEF\xBB\xBFGazette") + completed, 0, ""},
    {"any byte passes through", {{"sections.txt", oddSection}},
     generating + Row("Gazette-" + oddSection + "-MediumRectangle", "300x250",
                      "Medium Rectangle on section \"" + oddSection + "\" on Gazette") +
         Row("Gazette-" + oddSection + "-Undocumentedadsize", "970x66",
             "Undocumented ad size on section \"" + oddSection + "\" on Gazette") + completed, 0, ""},
    {"fields with commas, line ends or leading quotes are quoted",
     {{"sites.txt", "Smith, Jones\n"}, {"sections.txt", "\"Live\" feed\n"}, {"adsizes.txt", "\"1\"x1\r\r\n"}},
     generating +
         "\"Smith,Jones-\"\"Live\"\"feed-Undocumentedadsize\","
         "\"Smith,Jones-\"\"Live\"\"feed-Undocumentedadsize\",\"\"\"1\"\"x1\r\","
         "\"Undocumented ad size on section \"\"\"\"Live\"\" feed\"\" on Smith, Jones\","
         "yes,,,,,,,_blank,\"text,image\",\n" + completed, 0, ""},
    {"a size is matched only as the first word of a line",
     {{"adsizes.txt", "320x100\n160x600\n"},
      {"addescription.txt", "160x600\nWide Skyscraper\n320x50 Mobile Banner, half of 320x100\n"
                            "320x100 Large Mobile Banner\n"}},
     generating +
         Row("Gazette-Sports-LargeMobileBanner", "320x100", "Large Mobile Banner on section \"Sports\" on Gazette") +
         Row("Gazette-Sports-Undocumentedadsize", "160x600", "Undocumented ad size on section \"Sports\" on Gazette") +
         completed, 0, ""},
    {"a missing site list leaves the earlier listing", {{"sites.txt", absent}},
     started + CouldNotOpen("sites.txt"), 1, oldListing},
    {"only the first missing list is reported",
     {{"sites.txt", absent}, {"adsizes.txt", absent}, {"ad_units.csv", absent}},
     started + CouldNotOpen("sites.txt"), 1, absent},
    {"a missing section list", {{"sections.txt", absent}}, started + CouldNotOpen("sections.txt"), 1, oldListing},
    {"a missing size list", {{"adsizes.txt", absent}}, started + CouldNotOpen("adsizes.txt"), 1, oldListing},
    {"an unreadable site list leaves the earlier listing", {{"sites.txt", directory}},
     started + CouldNotRead("sites.txt"), 1, oldListing},
    {"an unreadable size list", {{"adsizes.txt", directory}},
     started + CouldNotRead("adsizes.txt"), 1, oldListing},
    {"a listing that can't be created", {{"ad_units.csv", directory}},
     started + "Could not open ad_units.csv. Be sure that the user account under which you are running this "
               "program has the permissions to create files under either the directory where this program is "
               "located or the current directory the terminal is open at.\n" + helpHint, 1, directory},
    {"a missing description table", {{"addescription.txt", absent}},
     generating + CouldNotOpen("addescription.txt"), 1, ""},
    {"an unreadable description table", {{"addescription.txt", directory}},
     generating + CouldNotRead("addescription.txt"), 1, ""},
    {"a full disk is reported, not taken for success", {{"ad_units.csv", fullDisk}},
     generating + gazetteMedium +
         "Could not write ad_units.csv. Be sure that there is enough free space on the disk.\n" + helpHint,
     1, fullDisk},
};
// clang-format on

TEST(RunTest, WritesTheListingAndEchoesIt) {
  for (const RunCase& c : runCases) {
    const std::string dir = MakeRunDir(c.files);
    const RunResult run = RunProgram(dir, {});
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
    EXPECT_EQ(run.status, c.status) << c.name;
    // Every row echoed is a row written.
    const std::string listing =
        c.listing.empty() && c.status == 0
            ? c.out.substr(generating.size(), c.out.size() - generating.size() - completed.size())
            : c.listing;
    EXPECT_EQ(ListingIn(dir), listing) << c.name;
    fs::remove_all(dir);
  }
}

TEST(RunTest, AFailingConsoleCostsTheListingNothing) {
  for (const Console console : {toFullDevice, toClosedPipe}) {
    const std::string dir = MakeRunDir({});
    const RunResult run = RunProgram(dir, {}, console);
    EXPECT_EQ(run.status, 0) << console;
    EXPECT_EQ(run.err, "") << console;
    EXPECT_EQ(ListingIn(dir), gazetteMedium + gazetteUndocumented) << console;
    fs::remove_all(dir);
  }
}

}  // namespace
