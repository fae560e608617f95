// Test helpers: fresh temporary directories, files in them, and runs of the
// built program with its output captured.
#ifndef SLOTWRIGHT_TESTS_SCRATCH_H_
#define SLOTWRIGHT_TESTS_SCRATCH_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Creates a new empty directory and returns its path.
std::string MakeScratchDir();

void WriteFile(const std::string& path, const std::string& bytes);

// The file's bytes, or "<absent>" when there is no such file.
std::string ReadFile(const std::string& path);

struct RunResult {
  std::string out;
  std::string err;
  int status;
};

// How the program's standard output is connected.
enum Console { toFile, toFullDevice, toClosedPipe };

// Runs the built program in |dir| with |args| and waits for it.
RunResult RunProgram(const std::string& dir, const std::vector<std::string>& args,
                     Console console = toFile);

// For tests of the program's functions: runs each test in a fresh scratch
// directory, the directory the program reads its files from.
class InScratchDir : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string dir_;
  std::string previous_;
};

#endif  // SLOTWRIGHT_TESTS_SCRATCH_H_
