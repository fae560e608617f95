// End to end: the program run with no argument in a fresh directory.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "helpers.h"

namespace fs = std::filesystem;

namespace {

const std::string hint = "Check the help (Slotwright --help) for further information.\n";
const std::string started = banner + "\nChecking if the required files can be accessed.\n";
const std::string generating = started +
                               "All files opened correctly.\nGenerating the ad units based on "
                               "the information included on the input files.\n";
const std::string completed = "Ad units created and saved to ad_units.csv.\n";
const std::string emptySize = "You must specify at least an ad size in adsizes.txt.\n";
const std::string oldListing = "rows of an earlier run\n";
const std::string bom = "\xEF\xBB\xBF";
const std::string noFile = "<no file>", directory = "<directory>", fullDisk = "<full disk>";

std::string Row(const std::string& code, const std::string& size, const std::string& description) {
  return code + "," + code + "," + size + "," + description + ",yes,,,,,,,_blank,\"text,image\",\n";
}

std::string Unit(const std::string& site, const std::string& size, const std::string& name) {
  std::string code = site + "-Sports-" + name;
  code.erase(std::remove(code.begin(), code.end(), ' '), code.end());
  return Row(code, size, name + " on section \"Sports\" on " + site);
}

std::string Could(const std::string& what, const std::string& name) {
  return "Could " + what + " " + name + ". Be sure that " +
         (what == "not read" ? "it is a readable file.\n"
                             : "it exists, it is readable and it is on either on the same "
                               "directory of this program executable or the current directory "
                               "the terminal is open at.\n") +
         hint;
}

const std::string medium = Unit("Gazette", "300x250", "Medium Rectangle");
const std::string undocumented = Unit("Gazette", "970x66", "Undocumented ad size");

struct RunCase {
  std::map<std::string, std::string> files;  // changes to the documented example
  std::string out;
  int status;
  std::string listing;
  std::uintmax_t fileSizeLimit = 0;
  bool closedConsole = false;
};

// A directory holding the documented example and a listing that an earlier
// run left, changed by |c|, where the program then runs.
void Check(const RunCase& c) {
  // clang-format off
  std::map<std::string, std::string> files = {{"sites.txt", "Gazette"}, {"sections.txt", "Sports"},
      {"adsizes.txt", "300x250\n970x66"}, {"addescription.txt", "300x250 Medium Rectangle\n728x90\tLeaderboard\n"},
      {"ad_units.csv", oldListing}};
  // clang-format on
  for (const auto& [name, bytes] : c.files) files[name] = bytes;
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
  const RunResult run = RunProgram(dir, {}, c.closedConsole, c.fileSizeLimit);
  SCOPED_TRACE(c.out);
  EXPECT_EQ(run.out, c.closedConsole ? noFile : Native(c.out));
  EXPECT_EQ(run.status, c.status);
  // The tests write their files in binary, the program through a text stream.
  const bool written = c.listing != noFile && c.listing != oldListing;
  EXPECT_EQ(ReadFile(dir / "ad_units.csv"), written ? Native(c.listing) : c.listing);
  fs::remove_all(dir);
}

TEST(RunTest, WritesTheListingAndEchoesIt) {
  const std::string rows = medium + undocumented;
  const std::string ros =
      Row("ROS-Sports-MediumRectangle", "300x250", "Medium Rectangle on section \"Sports\"") +
      Row("ROS-MediumRectangle", "300x250", "Medium Rectangle");
  const std::string gazette =
      medium + Row("Gazette-MediumRectangle", "300x250", "Medium Rectangle on Gazette");
  const std::string herald = Unit("Herald", "300x250", "Medium Rectangle") +
                             Unit("Herald", "970x66", "Undocumented ad size");
  const std::string cantCreate =
      "Could not open ad_units.csv. Be sure that the user account under which you are running "
      "this program has the permissions to create files under either the directory where this "
      "program is located or the current directory the terminal is open at.\n" +
      hint;
  // clang-format off
  const RunCase cases[] = {
      {{{"ad_units.csv", noFile}}, generating + rows + completed, 0, rows},
      // Final line feeds end lines, a carriage return before one goes, and
      // an empty line is an entry.
      {{{"sites.txt", "\nGazette\r\n"}, {"sections.txt", "Sports\n\r\n"}, {"adsizes.txt", "300x250\n"},
        {"addescription.txt", "300x250 Medium Rectangle\r\n"}}, generating + ros + gazette + completed, 0, ros + gazette},
      // Every pass over a list skips its byte-order mark.
      {{{"sites.txt", bom + "Gazette\nHerald"}, {"sections.txt", bom + "Sports"}, {"adsizes.txt", bom + "300x250\n970x66"},
        {"addescription.txt", bom + "300x250 Medium Rectangle\n"}}, generating + rows + herald + completed, 0, rows + herald},
      {{{"sites.txt", "Gazette\nHerald\n"}, {"adsizes.txt", "300x250\n\n970x66\n"}}, generating + medium + emptySize, 1, medium},
      // A run that writes no row leaves the earlier listing as it was.
      {{{"adsizes.txt", bom}}, generating + emptySize, 1, oldListing},
      {{{"sites.txt", noFile}, {"adsizes.txt", noFile}}, started + Could("not open", "sites.txt"), 1, oldListing},
      {{{"sections.txt", directory}}, started + Could("not read", "sections.txt"), 1, oldListing},
      {{{"addescription.txt", noFile}}, generating + Could("not open", "addescription.txt"), 1, oldListing},
      {{{"addescription.txt", directory}}, generating + Could("not read", "addescription.txt"), 1, oldListing},
      {{{"ad_units.csv", directory}}, started + cantCreate, 1, noFile},
      // A console reader that goes away costs the listing nothing.
      {{}, "", 0, rows, 0, true},
  };
  // clang-format on
  for (const RunCase& c : cases) Check(c);
}

TEST(RunTest, NeverLeavesATornRowOrCallsAFailureSuccess) {
  if (onWindows) GTEST_SKIP() << "Windows has no full device and no file-size limit";
  const std::string couldNotWrite =
      "Could not write ad_units.csv. Be sure that there is enough free space on the disk.\n" + hint;
  Check({{{"ad_units.csv", fullDisk}}, generating + medium + couldNotWrite, 1, noFile});
  // The limit falls inside the second row.
  Check({{}, generating + medium + undocumented + couldNotWrite, 1, medium, medium.size() + 40});
}

}  // namespace
