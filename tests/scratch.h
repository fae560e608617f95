// Test helpers: fresh temporary directories, files in them, and runs of the
// built program with its output captured.
#ifndef SLOTWRIGHT_TESTS_SCRATCH_H_
#define SLOTWRIGHT_TESTS_SCRATCH_H_

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The version banner, which opens every run and every answer to an argument.
inline const std::string banner =
    "Slotwright version 0.7.1.\n"
    "Copyright (C) 2026 the Slotwright developers.\n"
    "DISCLAIMER: this program is the result of hobbyistic programming and "
    "therefore it is provided AS IS without any guarantees or warranty.\n";

inline std::string MakeScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "slotwright-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
  return pattern;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The file's bytes, or "<no file>" when there is no regular file there.
inline std::string ReadFile(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) return "<no file>";
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

struct RunResult {
  std::string out, err;
  int status;
};

// Where the program's standard output goes: a file that is read back, a
// full device, or a pipe that nobody reads, so that every write fails.
enum Console { toFile, toFullDevice, toClosedPipe };

// Runs the built program in |dir| with |args| (none holds an apostrophe).
inline RunResult RunProgram(const std::string& dir, const std::vector<std::string>& args,
                            Console console = toFile) {
  const std::string out = dir + ".out", err = dir + ".err", pipe = dir + ".pipe";
  std::string command = "cd '" + dir + "' && ";
  // A FIFO opened for reading and writing, opened again for writing, and
  // then closed for reading is a pipe without readers.
  if (console == toClosedPipe) {
    command += "mkfifo '" + pipe + "' && exec 3<>'" + pipe + "' 4>'" + pipe + "' 3<&- && ";
  }
  command += "'" SLOTWRIGHT_PROGRAM "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += console == toFile         ? " >'" + out + "'"
             : console == toFullDevice ? " >/dev/full"
                                       : " >&4";
  const int status = std::system((command + " 2>'" + err + "'").c_str());
  RunResult run{ReadFile(out), ReadFile(err), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
  for (const std::string& path : {out, err, pipe}) std::filesystem::remove(path);
  return run;
}

// For tests of the program's functions: each runs in a fresh directory, the
// one the program reads its files from.
class InScratchDir : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    dir_ = MakeScratchDir();
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
  }
  std::filesystem::path previous_, dir_;
};

#endif  // SLOTWRIGHT_TESTS_SCRATCH_H_
