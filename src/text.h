// Reading the lists and the description table: text files, read through the
// C library, whose error indicator tells a read that failed from the end of
// a file on every system and library.
#ifndef SLOTWRIGHT_TEXT_H_
#define SLOTWRIGHT_TEXT_H_

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// Opens |filename| for reading as text and looks at its first byte or two,
// so that a file that can't be read, or is UTF-16, is found at once: such a
// file is reported and closed, and the result is nothing.  Where |absent| is
// given, a file that isn't there is no failure: it is set, and nothing is
// said.
std::FILE* OpenText(const std::string& filename, bool* absent = nullptr);

// Reads the next line of |file| into |line|, without its line feed.  False
// where no byte was left, or a read failed: std::ferror tells which.
bool ReadLine(std::FILE* file, std::string& line);

// Whether |start|, the first two bytes of a file, is a UTF-16 byte-order
// mark, FF FE or FE FF, with which "Unicode" text from Windows begins.
inline bool IsUtf16Mark(std::string_view start) {
  return start == "\xFF\xFE" || start == "\xFE\xFF";
}

// Whether |start|, the first two bytes of a file, begins UTF-16 text: a mark,
// or, without one, an ASCII character (1 to 127) and a NUL byte, or a NUL and
// an ASCII character, as UTF-16 writes ASCII.
inline bool IsUtf16Start(std::string_view start) {
  const auto ascii = [](char c) { return c > 0 && static_cast<unsigned char>(c) < 0x80; };
  return IsUtf16Mark(start) || (start.size() == 2 && ((ascii(start[0]) && start[1] == '\0') ||
                                                      (start[0] == '\0' && ascii(start[1]))));
}

// Reads the next entry of a list into |entry|: a line less a byte-order mark
// at the start of the file and one carriage return at its end.  A final
// line feed ends the last line rather than starting an empty one, but a list
// of no bytes at all still yields one empty entry, so |first| says whether
// this is the first read of a pass.  Returns false at the end of the list or
// on a read error, which the caller tells apart with std::ferror.
bool ReadEntry(std::FILE* list, std::string& entry, bool first);

// Whether |file| is a regular file, which can go back to its start as often
// as needed; a pipe or a device may give its bytes once.  |empty| says
// whether it holds no byte.
bool IsRegularFile(std::FILE* file, bool& empty);

// Brings |file| back to its first byte; false where it can't go back.
bool Rewind(std::FILE* file);

// The description table, read afresh for every lookup, is read in large
// pieces with the system's own calls, as text: the C library's fread reads
// once more to find the end of a table that one piece holds already, and a
// lookup stops at the line it needs.
//
// Opens |filename| to read; -1 where it can't.
int OpenPieces(const std::string& filename);
// Reads at most |most| bytes into |to|: how many, 0 at the end, -1 where the
// read failed.
long ReadPiece(int file, char* to, std::size_t most);
void ClosePieces(int file);

#endif  // SLOTWRIGHT_TEXT_H_
