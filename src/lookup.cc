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

// Puts in |result| the rest of the line from |after|, the byte after a
// first word equal to the size, when more than white space follows it.
bool TakeDescription(const char* after, const char* lineFeed, std::string& result) {
  const char* const text = SkipBlanks(after, lineFeed);
  if (text == lineFeed) return false;
  result.assign(text, lineFeed);
  return true;
}

// Looks in |line| to |end|, whole lines that begin at |line| and end with a
// line feed, for the first line whose first word is |size| and that holds
// more after it, and puts the rest of that line in |result|.  |size| is not
// empty and holds no white space.
//
// Only the places where the size's first byte stands are looked at, so a
// line that doesn't hold it costs next to nothing.  Where that byte turns
// out to be frequent, the rest is read line by line, which bounds the cost.
bool FindInWholeLines(const char* line, const char* end, const std::string& size,
                      std::string& result) {
  std::size_t places = 0;
  for (const char* hit = line;
       (hit = static_cast<const char*>(std::memchr(hit, size.front(), end - hit))) != nullptr;
       ++hit) {
    if (++places > 8 + static_cast<std::size_t>(hit - line) / 16) {
      while (hit != line && hit[-1] != '\n') --hit;  // back to its line's start
      for (const char* next = hit; next != end;) {
        const char* const lineFeed = static_cast<const char*>(std::memchr(next, '\n', end - next));
        const char* const word = SkipBlanks(next, lineFeed);
        if (static_cast<std::size_t>(lineFeed - word) > size.size() && IsBlank(word[size.size()]) &&
            std::memcmp(word, size.data(), size.size()) == 0 &&
            TakeDescription(word + size.size(), lineFeed, result)) {
          return true;
        }
        next = lineFeed + 1;
      }
      return false;
    }
    // Cheapest tests first: most places are inside a word or a description.
    if (static_cast<std::size_t>(end - hit) <= size.size()) break;  // no room for it
    const char* const after = hit + size.size();
    if (!IsBlank(*after) || after[-1] != size.back()) continue;
    const char* before = hit;
    while (before != line && IsBlank(before[-1])) --before;
    if ((before == line || before[-1] == '\n') && std::memcmp(hit, size.data(), size.size()) == 0 &&
        TakeDescription(after, static_cast<const char*>(std::memchr(after, '\n', end - after)),
                        result)) {
      return true;
    }
  }
  return false;
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
  // Only a size that could be a word is looked for: an empty one, or one with
  // white space in it, never equals a word.
  const bool wordLike = !size.empty() && std::none_of(size.begin(), size.end(), [](char c) {
    return c == '\n' || IsBlank(c);
  });
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
        // The usual case: whole lines, up to the chunk's last line feed.
        const char* wholeEnd = end;
        while (wholeEnd != next && wholeEnd[-1] != '\n') --wholeEnd;
        if (wordLike && FindInWholeLines(next, wholeEnd, size, result)) return true;
        next = wholeEnd;
        wholeLines = false;
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
