// Reading the lists and the description table: text files, read through the
// C library, whose error indicator tells a read that failed from the end of
// a file on every system and library.
#ifndef SLOTWRIGHT_TEXT_H_
#define SLOTWRIGHT_TEXT_H_

#include <cstdio>
#include <string>

// Opens |filename| for reading as text and looks at its first byte or two,
// so that a file that can't be read, or is UTF-16, is found at once: such a
// file is reported and closed, and the result is nothing.  A file opened
// again and again may bring the |buffer| it is read through, which saves
// making one each time.
std::FILE* OpenText(const std::string& filename, std::string* buffer = nullptr);

// Reads the next line of |file| into |line|, without its line feed.  False
// where no byte was left, or a read failed: std::ferror tells which.
bool ReadLine(std::FILE* file, std::string& line);

// Brings |file| back to its first byte; false where it can't go back.
bool Rewind(std::FILE* file);

#endif  // SLOTWRIGHT_TEXT_H_
