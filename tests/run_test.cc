// End to end: the program run with no argument in a fresh directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "helpers.h"
#include "slotwright.h"

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
const std::string couldNotWrite =
    "Could not write ad_units.csv. Be sure that there is enough free space on the disk.\n" +
    helpHint;
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

const std::string nul(1, '\0');
const std::string bom = byteOrderMark;

// Special file contents: a directory of that name, a link to a full disk,
// or no file at all, which reads back as no file.
const std::string directory = "<directory>";
const std::string fullDisk = "<full disk>";
const std::string noFile = "<no file>";
const std::string sameAsEcho = "<same as echo>";  // the rows that a completed run echoed

using Files = std::map<std::string, std::string>;

struct RunCase {
  const char* name;
  Files files;  // changes to the documented example's files
  std::string out;
  int status;
  std::string listing = sameAsEcho;
  Console console = captured;
  std::uintmax_t fileSizeLimit = 0;
};

// clang-format off
const RunCase runCases[] = {
    {"DocumentedExample", {}, generating + gazetteMedium + gazetteUndocumented + completed, 0},
    {"FinalLineFeedsAndCarriageReturnsEndTheLastLines",
     {{"sites.txt", "Gazette\r\n"}, {"sections.txt", "Sports\n"}, {"adsizes.txt", "300x250\r\n970x66\n"},
      {"addescription.txt", "300x250 Medium Rectangle\r\n"}},
     generating + gazetteMedium + gazetteUndocumented + completed, 0},
    {"BlankLinesAreEntriesAndEverySiteGetsEverySection",
     {{"sites.txt", "\nGazette\n"}, {"sections.txt", "Sports\n\r\n"}, {"adsizes.txt", "300x250"}},
     generating + Row("ROS-Sports-MediumRectangle", "300x250", "Medium Rectangle on section \"Sports\"") +
         Row("ROS-MediumRectangle", "300x250", "Medium Rectangle") + gazetteMedium +
         Row("Gazette-MediumRectangle", "300x250", "Medium Rectangle on Gazette") + completed, 0},
    {"AnEmptySizeListStopsTheRunAndKeepsTheEarlierListing", {{"adsizes.txt", ""}},
     generating + emptySize, 1, oldListing},
    {"AnEmptySizeLineStopsTheRunWhereItStands",
     {{"sites.txt", "Gazette\nHerald\n"}, {"adsizes.txt", "300x250\n\n970x66\n"}},
     generating + gazetteMedium + emptySize, 1, gazetteMedium},
    {"AnyByteReachesTheRow",
     {{"sites.txt", "Anglers' " + nul + "Weekly"}, {"adsizes.txt", "300x250"}},
     generating + Row("Anglers" + nul + "Weekly-Sports-MediumRectangle", "300x250",
                      "Medium Rectangle on section \"Sports\" on Anglers' " + nul + "Weekly") + completed, 0},
    // A Windows text stream reads CR LF as LF: there the first carriage
    // return is the line's last byte, and goes.
    {"OneCarriageReturnIsTrimmed", {{"sites.txt", "Gazette\r\r\n"}, {"adsizes.txt", "300x250"}},
     generating + (onWindows ? gazetteMedium
                             : "\"Gazette\r-Sports-MediumRectangle\",\"Gazette\r-Sports-MediumRectangle\",300x250,"
                               "\"Medium Rectangle on section \"\"Sports\"\" on Gazette\r\",yes,,,,,,,_blank,\"text,image\",\n") +
         completed, 0},
    {"AByteOrderMarkIsSkippedOnEveryPass",
     {{"sites.txt", bom + "Gazette\nHerald"}, {"sections.txt", bom + "Sports"}, {"adsizes.txt", bom + "300x250\n970x66"},
      {"addescription.txt", bom + "300x250 Medium Rectangle\n"}},
     generating + gazetteMedium + gazetteUndocumented +
         Row("Herald-Sports-MediumRectangle", "300x250", "Medium Rectangle on section \"Sports\" on Herald") +
         Row("Herald-Sports-Undocumentedadsize", "970x66", "Undocumented ad size on section \"Sports\" on Herald") +
         completed, 0},
    {"AByteOrderMarkAloneIsAnEmptyList", {{"sites.txt", bom}, {"adsizes.txt", bom + "\n"}},
     generating + emptySize, 1, oldListing},
    {"OnlyTheFirstMissingListIsReportedAndTheEarlierListingStays",
     {{"sites.txt", noFile}, {"adsizes.txt", noFile}}, started + CouldNotOpen("sites.txt"), 1, oldListing},
    {"AnUnreadableListLeavesTheEarlierListing", {{"sections.txt", directory}},
     started + CouldNotRead("sections.txt"), 1, oldListing},
    {"AListingThatCantBeCreated", {{"ad_units.csv", directory}},
     started + "Could not open ad_units.csv. Be sure that the user account under which you are running this "
               "program has the permissions to create files under either the directory where this program is "
               "located or the current directory the terminal is open at.\n" + helpHint, 1, noFile},
    {"AMissingTableLeavesTheEarlierListing", {{"addescription.txt", noFile}},
     generating + CouldNotOpen("addescription.txt"), 1, oldListing},
    {"AnUnreadableTableLeavesTheEarlierListing", {{"addescription.txt", directory}},
     generating + CouldNotRead("addescription.txt"), 1, oldListing},
    {"AMissingListingIsCreated", {{"ad_units.csv", noFile}},
     generating + gazetteMedium + gazetteUndocumented + completed, 0},
    {"AFullDiskIsReportedNotTakenForSuccess", {{"ad_units.csv", fullDisk}},
     generating + gazetteMedium + couldNotWrite, 1, noFile},
    {"AFileSizeLimitCutsTheListingBackToItsLastRow", {{"sites.txt", "Gazette\nHerald"}},
     generating + gazetteMedium + gazetteUndocumented + couldNotWrite, 1, gazetteMedium, captured,
     gazetteMedium.size() + 40},
    {"AClosedPipeCostsTheListingNothing", {}, noFile, 0, gazetteMedium + gazetteUndocumented, toClosedPipe},
};
// clang-format on

// A directory holding the lists of the documented example and a listing left
// by an earlier run, changed by |changes|.
fs::path MakeRunDir(const Files& changes) {
  Files files = {
      {"sites.txt", "Gazette"},
      {"sections.txt", "Sports"},
      {"adsizes.txt", "300x250\n970x66"},
      {"addescription.txt", "300x250 Medium Rectangle\n728x90\tLeaderboard\n"},
      {"ad_units.csv", oldListing},
  };
  for (const auto& [name, bytes] : changes) files[name] = bytes;
  const fs::path dir = MakeScratchDir();
  for (const auto& [name, bytes] : files) {
    if (bytes == directory) {
      fs::create_directory(dir / name);
    } else if (bytes == fullDisk) {
      fs::create_symlink("/dev/full", dir / name);
    } else if (bytes != noFile) {
      WriteFile(dir / name, bytes);
    }
  }
  return dir;
}

// Names a case in test listings.
void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }

class RunTest : public testing::TestWithParam<RunCase> {};

TEST_P(RunTest, WritesTheListingAndEchoesIt) {
  const RunCase& c = GetParam();
  const auto listing = c.files.find("ad_units.csv");
  if (onWindows && listing != c.files.end() && listing->second == fullDisk) {
    GTEST_SKIP() << "Windows has no full device";
  }
  if (onWindows && c.fileSizeLimit != 0) GTEST_SKIP() << "Windows has no file-size limit";
  const fs::path dir = MakeRunDir(c.files);
  const RunResult run = RunProgram(dir, {}, c.console, c.fileSizeLimit);
  EXPECT_EQ(run.out, c.out == noFile ? noFile : Native(c.out));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, c.status);
  // A completed run wrote to the listing what it echoed.
  const std::string expected =
      c.listing != sameAsEcho
          ? c.listing
          : c.out.substr(generating.size(), c.out.size() - generating.size() - completed.size());
  // The program writes through a text stream; the tests write in binary.
  const bool written = expected != noFile && expected != oldListing;
  EXPECT_EQ(ReadFile(dir / "ad_units.csv"), written ? Native(expected) : expected);
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunTest, testing::ValuesIn(runCases),
                         [](const testing::TestParamInfo<RunCase>& info) {
                           return info.param.name;
                         });

}  // namespace
