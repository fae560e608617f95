// End to end: the program started with arguments.

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "helpers.h"

namespace fs = std::filesystem;

namespace {

// The help text after the banner, as the user must see it, byte for byte.
const std::string helpText = ReadFile(SLOTWRIGHT_TEST_DATA "/help.txt");

const std::string optionListing =
    "Unknown parameter.\n"
    "The accepted parameters are:\n"
    "--version    for the version of Slotwright;\n"
    "--help or -h for the help.\n";

TEST(OptionsTest, AnswersTheFirstArgumentAndTouchesNoFile) {
  const struct {
    std::vector<std::string> args;
    std::string out;
    int status;
  } cases[] = {
      {{"--version"}, banner, 0},
      {{"--version", "--help"}, banner, 0},
      {{"--help"}, banner + helpText, 0},
      {{"-h", "--version", "x"}, banner + helpText, 0},
      {{"-H"}, banner + optionListing, 1},
      {{""}, banner + optionListing, 1},
      {{"run it", "--help"}, banner + optionListing, 1},
  };
  for (const auto& c : cases) {
    const std::string what = testing::PrintToString(c.args);
    const fs::path dir = MakeScratchDir();
    WriteFile(dir / "ad_units.csv", "rows of an earlier run\n");
    const RunResult run = RunProgram(dir, c.args);
    EXPECT_EQ(run.out, Native(c.out)) << what;
    EXPECT_EQ(run.err, "") << what;
    EXPECT_EQ(run.status, c.status) << what;
    // No list looked for, no listing touched.
    EXPECT_EQ(ReadFile(dir / "ad_units.csv"), "rows of an earlier run\n") << what;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << what;
    fs::remove_all(dir);
  }
}

}  // namespace
