// Test helpers: scratch directories, files in them, and runs of the built
// program, started without a shell, on POSIX systems and on Windows alike.
#ifndef SLOTWRIGHT_TESTS_HELPERS_H_
#define SLOTWRIGHT_TESTS_HELPERS_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "version.h"

#ifdef _WIN32
constexpr bool onWindows = true;
#else
constexpr bool onWindows = false;
#endif

// |text| as the program writes it through a text stream: on Windows every line
// feed is stored as a carriage return and a line feed.
std::string Native(const std::string& text);

// The version banner, which opens every run and every answer to an argument.
inline const std::string banner =
    "Slotwright version " SLOTWRIGHT_VERSION
    ".\n"
    "Copyright (C) 2026 the Slotwright developers. Released under the MIT licence.\n"
    "DISCLAIMER: this program is the result of hobbyistic programming and "
    "therefore it is provided AS IS without any guarantees or warranty.\n";

// A fresh directory under the system's temporary one.  Its name holds a blank
// and an apostrophe, which no part of the program or of these helpers may
// trip on.
std::filesystem::path MakeScratchDir();

void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// The file's bytes, or "<no file>" when there is no regular file there.
std::string ReadFile(const std::filesystem::path& path);

struct RunResult {
  std::string out, err;
  int status;
};

// Where the program's standard output goes: back to the test, or a pipe that
// nobody reads, so that every write fails.
enum Console { captured, toClosedPipe };

// Runs the built program in |dir| with |args|.  A |fileSizeLimit| other than
// 0 is the largest file it may write (POSIX systems only).
RunResult RunProgram(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     Console console = captured, std::uintmax_t fileSizeLimit = 0);

// For tests of the program's functions: each runs in a fresh directory, the
// one the program reads its files from.
class InScratchDir : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path previous_, dir_;
};

#endif  // SLOTWRIGHT_TESTS_HELPERS_H_
