// The codes that the ad server's network holds already, which it refuses to
// take again: existing_codes.txt, a code a line, as copied from the ad
// server's list of ad units or from an earlier upload.
#ifndef SLOTWRIGHT_EXISTING_H_
#define SLOTWRIGHT_EXISTING_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The code that |line| of existing_codes.txt lists, without its line end:
// its first field as a reader of comma-separated values takes it, so that a
// row of an earlier listing or of the ad server's export serves as it is.
// A field that begins with a double quote runs to the closing one, and ""
// inside it stands for one; any other runs up to the first comma.  White
// space around the code, of any kind, and the characters that take no room
// (U+200B, U+200C, U+200D, U+2060, U+FEFF), which a copy from a web page
// brings, are no part of it.  Empty where the line lists no code: an empty
// line, or one that begins with #.
std::string ListedCode(std::string_view line);

// Reads existing_codes.txt, where there is one.  False where it is there but
// can't be read, which it has reported.
bool ReadExistingCodes();

// Whether there was an existing_codes.txt to read.
bool HaveExistingCodes();

// How many lines of existing_codes.txt list a code.
std::size_t ExistingCodeCount();

// The first code that existing_codes.txt lists, and its line (0 for none).
const std::string& FirstExistingCode(std::size_t& line);

// The first line of existing_codes.txt that lists the code whose hash, with
// ASCII letters folded, is |codeHash|; 0 where none does.
std::size_t ExistingCodeLine(std::uint64_t codeHash);

#endif  // SLOTWRIGHT_EXISTING_H_
