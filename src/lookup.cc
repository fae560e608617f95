#include "lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "report.h"
#include "slotwright.h"

namespace {

// Line feeds are left out: they end a line rather than separate words.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

const char* SkipBlanks(const char* next, const char* end) {
  while (next != end && IsBlank(*next)) ++next;
  return next;
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

// Building a stream costs more than opening a file, so every lookup uses this
// one, with a buffer of its own.  The table itself is still opened, read from
// its start and closed on every call: nothing of it outlives a lookup.
std::ifstream& TableStream() {
  static char buffer[16384];
  static std::ifstream stream;
  static bool buffered = false;
  if (!buffered) {
    stream.rdbuf()->pubsetbuf(buffer, sizeof buffer);
    buffered = true;
  }
  return stream;
}

// Scans the table from where |table| stands for the line that begins with
// |size|, and puts its description in |result|.  Returns false at the end of
// the table, or on a read error, which the caller tells apart with bad().
bool FindDescription(std::ifstream& table, const std::string& size, std::string& result) {
  LinePart part = beforeWord;
  // A size with white space in it never equals a word: it is never compared
  // whole, as that would reach past the first word of a line.
  const bool wordLike =
      std::none_of(size.begin(), size.end(), [](char c) { return c == '\n' || IsBlank(c); });
  // Only a line that begins with this byte, or with a blank, can hold the size.
  const char first = size.empty() ? '\n' : size.front();
  std::size_t matched = 0;  // bytes of the size seen in the first word
  char chunk[16384];
  // peek() fills the stream's buffer with a single read; taking just what it
  // holds spares the read that would otherwise find the end of the file.
  while (table.peek() != std::ifstream::traits_type::eof()) {
    const std::streamsize count =
        std::min<std::streamsize>(table.rdbuf()->in_avail(), sizeof chunk);
    // Taken from what the buffer holds: no further read, so nothing can fail.
    const char* next = chunk;
    const char* const end = chunk + table.rdbuf()->sgetn(chunk, count);
    bool wholeLines = true;  // a line feed may still follow in this chunk
    while (next != end) {
      if (part == beforeWord && wholeLines) {
        // The usual case, whole lines at hand: a line whose first byte can't
        // begin the size costs one search for its end.
        for (;;) {
          const char* const lineFeed =
              static_cast<const char*>(std::memchr(next, '\n', end - next));
          if (lineFeed == nullptr) {
            wholeLines = false;
            break;
          }
          if (wordLike && (*next == first || IsBlank(*next))) {
            const char* const word = SkipBlanks(next, lineFeed);
            if (static_cast<std::size_t>(lineFeed - word) > size.size() &&
                std::memcmp(word, size.data(), size.size()) == 0 && IsBlank(word[size.size()])) {
              const char* const text = SkipBlanks(word + size.size(), lineFeed);
              if (text != lineFeed) {
                result.assign(text, lineFeed);
                return true;
              }
            }
          }
          next = lineFeed + 1;
        }
        continue;
      }
      // A line cut by the end of the chunk goes byte by byte, so that it
      // can go on in the next one.
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
            return true;
          }
          result.append(next, end);
          next = end;
          break;
        }
      }
    }
  }
  // A description may run to the end of the table.
  return part == description && !table.bad();
}

}  // namespace

std::string GetAdDescription(std::string size) {
  std::ifstream& table = TableStream();
  table.open(adDescriptionFilename);
  if (!table.is_open()) {
    ReportOpenFailure(adDescriptionFilename);
    std::exit(1);
  }
  std::string result;
  const bool found = FindDescription(table, size, result);
  const bool readable = !table.bad();
  table.close();
  if (!readable) {
    ReportReadFailure(adDescriptionFilename);
    std::exit(1);
  }
  if (!found) return "Undocumented ad size";
  return CheckEndString(std::move(result));
}
