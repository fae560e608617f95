// End to end: the program started with arguments.

#include <gtest/gtest.h>

#include "helpers.h"

namespace fs = std::filesystem;

namespace {

TEST(OptionsTest, AnswersTheFirstArgumentAndTouchesNoFile) {
  const std::string help = ReadFile(SLOTWRIGHT_TEST_DATA "/help.txt");
  const std::string options =
      "Unknown parameter.\nThe accepted parameters are:\n"
      "--version    for the version of Slotwright;\n--help or -h for the help.\n";
  const struct {
    std::vector<std::string> args;
    std::string out;
    int status;
  } cases[] = {
      {{"--version", "--help"}, banner, 0}, {{"--help"}, banner + help, 0},
      {{"-h", "x"}, banner + help, 0},      {{"-H"}, banner + options, 1},
      {{""}, banner + options, 1},          {{"run it", "--help"}, banner + options, 1},
  };
  for (const auto& c : cases) {
    const fs::path dir = MakeScratchDir();
    WriteFile(dir / "ad_units.csv", "rows of an earlier run\n");
    const RunResult run = RunProgram(dir, c.args);
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(run.out, Native(c.out));
    EXPECT_EQ(run.status, c.status);
    // No list looked for, no listing touched.
    EXPECT_EQ(ReadFile(dir / "ad_units.csv"), "rows of an earlier run\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
    fs::remove_all(dir);
  }
}

}  // namespace
