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

// The rule for one line, from its first word |word| to |lineEnd|: when that
// word is |size| and more than white space follows it, puts the rest of the
// line after that white space in |result|.  |size| holds no white space.
bool DescribeLine(const char* word, const char* lineEnd, const std::string& size,
                  std::string& result) {
  if (static_cast<std::size_t>(lineEnd - word) <= size.size() || !IsBlank(word[size.size()]) ||
      std::memcmp(word, size.data(), size.size()) != 0) {
    return false;
  }
  const char* const text = SkipBlanks(word + size.size(), lineEnd);
  if (text == lineEnd) return false;
  result.assign(text, lineEnd);
  return true;
}

const char* LineFeedIn(const char* next, const char* end) {
  return static_cast<const char*>(std::memchr(next, '\n', end - next));
}

// Looks in |line| to |end|, whole lines that each end with a line feed, for
// the first line that describes |size|.
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
        const char* const lineFeed = LineFeedIn(next, end);
        if (DescribeLine(SkipBlanks(next, lineFeed), lineFeed, size, result)) return true;
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
    if ((before == line || before[-1] == '\n') &&
        DescribeLine(hit, LineFeedIn(after, end), size, result)) {
      return true;
    }
  }
  return false;
}

// Building a stream costs more than opening a file, so every lookup uses this
// one, with a buffer of its own.  The table itself is still opened, read from
// its start and closed on every call: nothing of it outlives a lookup.
std::ifstream& TableStream() {
  static char buffer[16384];
  static std::ifstream stream;
  [[maybe_unused]] static const auto* const buffered =
      stream.rdbuf()->pubsetbuf(buffer, sizeof buffer);
  return stream;
}

// Reads the table from where |table| stands for the line that describes
// |size| and puts the description in |result|.  Returns false at the end of
// the table, or on a read error, which the caller tells apart with bad().
bool FindDescription(std::ifstream& table, const std::string& size, std::string& result) {
  // An empty size, or one with white space in it, never equals a word.
  const bool wordLike = !size.empty() && std::none_of(size.begin(), size.end(), [](char c) {
    return c == '\n' || IsBlank(c);
  });
  char chunk[16384];
  std::string cutLine;  // the start of a line that a chunk's end cut off
  // peek() fills the stream's buffer with a single read; taking just what it
  // holds spares the read that would otherwise find the end of the file.
  while (table.peek() != std::ifstream::traits_type::eof()) {
    const std::streamsize count =
        std::min<std::streamsize>(table.rdbuf()->in_avail(), sizeof chunk);
    // Taken from what the buffer holds: no further read, so nothing can fail.
    const char* next = chunk;
    const char* const end = chunk + table.rdbuf()->sgetn(chunk, count);
    if (!cutLine.empty()) {
      const char* const lineFeed = LineFeedIn(next, end);
      cutLine.append(next, lineFeed == nullptr ? end : lineFeed);
      if (lineFeed == nullptr) continue;
      const char* const lineEnd = cutLine.data() + cutLine.size();
      if (wordLike && DescribeLine(SkipBlanks(cutLine.data(), lineEnd), lineEnd, size, result)) {
        return true;
      }
      cutLine.clear();
      next = lineFeed + 1;
    }
    const char* wholeEnd = end;  // just after the chunk's last line feed
    while (wholeEnd != next && wholeEnd[-1] != '\n') --wholeEnd;
    if (wordLike && FindInWholeLines(next, wholeEnd, size, result)) return true;
    cutLine.assign(wholeEnd, end);
  }
  // The last line need not end with a line feed.
  const char* const lineEnd = cutLine.data() + cutLine.size();
  return wordLike && !table.bad() &&
         DescribeLine(SkipBlanks(cutLine.data(), lineEnd), lineEnd, size, result);
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
