// End to end: the program run with no argument in a fresh directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "scratch.h"

namespace fs = std::filesystem;

namespace {

const std::string helpHint = "Check the help (Slotwright --help) for further information.\n";
const std::string started = banner + "\nChecking if the required files can be accessed.\n";
const std::string generating =
    started +
    "All files opened correctly.\n"
    "Generating the ad units based on the information included on the input files.\n";
const std::string completed = "Ad units created and saved to ad_units.csv.\n";
const std::string emptySize = "You must specify at least an ad size in adsizes.txt.\n";
const std::string oldListing = "rows of an earlier run\n";

// A row whose name is its code, as every row's is.
std::string Row(const std::string& code, const std::string& size, const std::string& description) {
  return code + "," + code + "," + size + "," + description + ",yes,,,,,,,_blank,\"text,image\",\n";
}

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

// A site with an apostrophe, a blank and a NUL byte.
const std::string nul(1, '\0');
const std::string oddSite = "Anglers' " + nul + "Weekly";

// Special file contents: a directory of that name, a link to a full disk,
// or no file at all, which reads back as no file.
const std::string directory = "<directory>";
const std::string fullDisk = "<full disk>";
const std::string noFile = "<no file>";

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
    } else if (bytes != noFile) {
      WriteFile(path, bytes);
    }
  }
  return dir;
}

struct RunCase {
  const char* name;
  Files files;
  std::string out;  // noFile where the console isn't a file
  int status;
  std::string listing;
  Console console = toFile;
};

// clang-format off
const RunCase runCases[] = {
    {"documented example", {},
     generating + gazetteMedium + gazetteUndocumented + completed, 0, ""},
    {"final line feeds and carriage returns end the last lines",
     {{"sites.txt", "Gazette\r\n"}, {"sections.txt", "Sports\n"}, {"adsizes.txt", "300x250\r\n970x66\n"},
      {"addescription.txt", "300x250 Medium Rectangle\r\n"}},
     generating + gazetteMedium + gazetteUndocumented + completed, 0, ""},
    {"blank lines are entries, and every site gets every section",
     {{"sites.txt", "\nGazette\n"}, {"sections.txt", "Sports\n\r\n"}, {"adsizes.txt", "300x250"}},
     generating + Row("ROS-Sports-MediumRectangle", "300x250", "Medium Rectangle on section \"Sports\"") +
         Row("ROS-MediumRectangle", "300x250", "Medium Rectangle") + gazetteMedium +
         Row("Gazette-MediumRectangle", "300x250", "Medium Rectangle on Gazette") + completed, 0, ""},
    {"an empty size list stops the run", {{"adsizes.txt", ""}}, generating + emptySize, 1, ""},
    {"an empty size line stops the run where it stands",
     {{"sites.txt", "Gazette\nHerald\n"}, {"adsizes.txt", "300x250\n\n970x66\n"}},
     generating + gazetteMedium + emptySize, 1, gazetteMedium},
    {"codes lose blanks and apostrophes, descriptions keep them, any byte passes",
     {{"sites.txt", oddSite}, {"sections.txt", " "}, {"adsizes.txt", "300x250"}},
     generating + Row("Anglers" + nul + "Weekly--MediumRectangle", "300x250",
                      "Medium Rectangle on section \" \" on " + oddSite) + completed, 0, ""},
    {"fields with commas, line ends or leading quotes are quoted",
     {{"sites.txt", "Smith, Jones\n"}, {"sections.txt", "\"Live\" feed\n"}, {"adsizes.txt", "\"1\"x1\r\r\n"}},
     generating +
         "\"Smith,Jones-\"\"Live\"\"feed-Undocumentedadsize\","
         "\"Smith,Jones-\"\"Live\"\"feed-Undocumentedadsize\",\"\"\"1\"\"x1\r\","
         "\"Undocumented ad size on section \"\"\"\"Live\"\" feed\"\" on Smith, Jones\","
         "yes,,,,,,,_blank,\"text,image\",\n" + completed, 0, ""},
    {"only the first missing list is reported, and the earlier listing stays",
     {{"sites.txt", noFile}, {"adsizes.txt", noFile}}, started + CouldNotOpen("sites.txt"), 1, oldListing},
    {"an unreadable list leaves the earlier listing", {{"sites.txt", directory}},
     started + CouldNotRead("sites.txt"), 1, oldListing},
    {"a listing that can't be created", {{"ad_units.csv", directory}},
     started + "Could not open ad_units.csv. Be sure that the user account under which you are running this "
               "program has the permissions to create files under either the directory where this program is "
               "located or the current directory the terminal is open at.\n" + helpHint, 1, noFile},
    {"a missing description table", {{"addescription.txt", noFile}},
     generating + CouldNotOpen("addescription.txt"), 1, ""},
    {"an unreadable description table", {{"addescription.txt", directory}},
     generating + CouldNotRead("addescription.txt"), 1, ""},
    {"a full disk is reported, not taken for success", {{"ad_units.csv", fullDisk}},
     generating + gazetteMedium +
         "Could not write ad_units.csv. Be sure that there is enough free space on the disk.\n" + helpHint,
     1, noFile},
    {"a full console costs the listing nothing", {}, noFile, 0, gazetteMedium + gazetteUndocumented, toFullDevice},
    {"a closed pipe costs the listing nothing", {}, noFile, 0, gazetteMedium + gazetteUndocumented, toClosedPipe},
};
// clang-format on

TEST(RunTest, WritesTheListingAndEchoesIt) {
  for (const RunCase& c : runCases) {
    const std::string dir = MakeRunDir(c.files);
    const RunResult run = RunProgram(dir, {}, c.console);
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
    EXPECT_EQ(run.status, c.status) << c.name;
    // Without a listing of its own, a case that completes wrote what it echoed.
    const std::string listing =
        c.listing.empty() && c.status == 0
            ? c.out.substr(generating.size(), c.out.size() - generating.size() - completed.size())
            : c.listing;
    EXPECT_EQ(ReadFile(dir + "/ad_units.csv"), listing) << c.name;
    fs::remove_all(dir);
  }
}

}  // namespace
