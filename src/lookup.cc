#include "lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "report.h"
#include "slotwright.h"

namespace {

// Line feeds are left out: they end a line rather than separate words.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// Where the scan stands within the current line of the table.  The table is
// read in chunks, so a line may begin in one chunk and end in the next.
enum LinePart {
  beforeWord,   // white space that opens a line
  inWord,       // the first word, equal to the size so far
  otherLine,    // a line whose first word is not the size
  afterSize,    // white space after the size
  description,  // the description, up to the line feed
};

}  // namespace

std::string GetAdDescription(std::string size) {
  std::ifstream table(adDescriptionFilename);
  if (!table.is_open()) {
    ReportOpenFailure(adDescriptionFilename);
    std::exit(1);
  }
  std::string result;
  LinePart part = beforeWord;
  std::size_t matched = 0;  // bytes of the size seen in the first word
  char chunk[8192];
  // peek() fills the stream's buffer with a single read; taking just what it
  // holds spares the read that would otherwise find the end of the file.
  while (table.peek() != std::ifstream::traits_type::eof()) {
    const std::streamsize count = std::min<std::streamsize>(
        table.rdbuf()->in_avail(), sizeof chunk);
    table.read(chunk, count);
    const char* next = chunk;
    const char* const end = chunk + table.gcount();
    while (next != end) {
      const char c = *next;
      switch (part) {
        case beforeWord:
          if (c != '\n' && !IsBlank(c)) {
            part = inWord;
            matched = 0;
            continue;  // look at c again as the word's first byte
          }
          ++next;
          break;
        case inWord:
          if (c == '\n') {
            part = beforeWord;
          } else if (IsBlank(c)) {
            part = matched == size.size() ? afterSize : otherLine;
          } else if (matched < size.size() && c == size[matched]) {
            ++matched;
          } else {
            part = otherLine;
          }
          ++next;
          break;
        case otherLine: {
          const void* lineFeed = std::memchr(next, '\n', end - next);
          if (lineFeed == nullptr) {
            next = end;
          } else {
            next = static_cast<const char*>(lineFeed) + 1;
            part = beforeWord;
          }
          break;
        }
        case afterSize:
          if (c == '\n') {
            part = beforeWord;  // nothing after the size: search on
          } else if (!IsBlank(c)) {
            part = description;
            continue;
          }
          ++next;
          break;
        case description: {
          const void* lineFeed = std::memchr(next, '\n', end - next);
          if (lineFeed != nullptr) {
            result.append(next, static_cast<const char*>(lineFeed));
            return CheckEndString(std::move(result));
          }
          result.append(next, end);
          next = end;
          break;
        }
      }
    }
  }
  if (table.bad()) {
    ReportReadFailure(adDescriptionFilename);
    std::exit(1);
  }
  if (part == description) return CheckEndString(std::move(result));
  return "Undocumented ad size";
}
