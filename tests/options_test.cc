// End to end: the program started with arguments.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "expected.h"
#include "scratch.h"

namespace fs = std::filesystem;

namespace {

// The help text after the banner, as the user must see it, byte for byte.
const std::string helpText = ReadFile(SLOTWRIGHT_TEST_DATA "/help.txt");

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
