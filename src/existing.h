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
// up to its first comma, so that a row of an earlier listing serves as it
// is, without the blanks and tabs around it.  Empty where the line lists no
// code: an empty line, or one that begins with #.
std::string_view ListedCode(std::string_view line);

// Reads existing_codes.txt, where there is one.  False where it is there but
// can't be read, which it has reported.
bool ReadExistingCodes();

// Whether there was an existing_codes.txt to read.
bool HaveExistingCodes();

// The first line of existing_codes.txt that lists the code whose hash, with
// ASCII letters folded, is |codeHash|; 0 where none does.
std::size_t ExistingCodeLine(std::uint64_t codeHash);

#endif  // SLOTWRIGHT_EXISTING_H_
