// Test helpers: scratch directories, files, and runs of the built program,
// started without a shell, on POSIX systems and on Windows alike.
#ifndef SLOTWRIGHT_TESTS_HELPERS_H_
#define SLOTWRIGHT_TESTS_HELPERS_H_

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

// |text| as the program writes it through a text stream: on Windows every
// line feed is stored as a carriage return and a line feed.
std::string Native(const std::string& text);

inline const std::string banner =
    "Slotwright version " SLOTWRIGHT_VERSION
    ".\n"
    "Copyright (C) 2026 the Slotwright developers. Released under the MIT licence.\n"
    "DISCLAIMER: this program is the result of hobbyistic programming and "
    "therefore it is provided AS IS without any guarantees or warranty.\n";

// A fresh directory whose name holds a blank and an apostrophe.
std::filesystem::path MakeScratchDir();

void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// The file's bytes, or "<no file>" when there is no regular file there.
std::string ReadFile(const std::filesystem::path& path);

struct RunResult {
  std::string out;  // standard output and standard error
  int status;
};

// Runs the built program in |dir| with |args|, its standard output and error
// a pipe that nobody reads when |closedConsole|.  A |fileSizeLimit| other than 0 is
// the largest file it may write (POSIX systems only).
RunResult RunProgram(const std::filesystem::path& dir, std::vector<std::string> args,
                     bool closedConsole = false, std::uintmax_t fileSizeLimit = 0);

#endif  // SLOTWRIGHT_TESTS_HELPERS_H_
