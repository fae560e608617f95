// The size description: the description table read line by line, afresh
// for every lookup.

#include "lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "cause.h"
#include "characters.h"
#include "report.h"
#include "slotwright.h"
#include "text.h"

namespace {

// Reads |table|, a file opened by OpenPieces, from its start in pieces of at
// most |chunk|.size() bytes (three at least) taken into |chunk|, and hands
// each line, without its line feed, and its number to |visit| until that
// returns true.  One byte-order mark at the start is skipped.  Stops at once
// where the table begins as UTF-16 (|utf16|) or a read fails (|unreadable|).
template <typename Visit>
void ScanTable(int table, std::string& chunk, bool& utf16, bool& unreadable, Visit visit) {
  std::string cutLine;  // the start of a line that a piece's end cut off
  std::size_t number = 0;
  utf16 = unreadable = false;
  for (bool first = true;; first = false) {
    // The first piece holds three bytes at least, or the whole table, so
    // that a byte-order mark is whole in it.
    std::size_t got = 0;
    for (long read;
         got < (first ? 3 : 1) && (read = ReadPiece(table, &chunk[got], chunk.size() - got)) != 0;
         got += static_cast<std::size_t>(read)) {
      if (read < 0) {
        unreadable = true;
        return;
      }
    }
    if (got == 0) break;
    const char* next = chunk.data();
    const char* const end = next + got;
    if (first) {
      const std::string_view start(next, std::min<std::size_t>(got, 3));
      utf16 = IsUtf16Start(start.substr(0, 2));
      if (utf16) return;
      if (start == byteOrderMark) next += byteOrderMark.size();
    }
    for (const char* lineFeed;
         (lineFeed = static_cast<const char*>(std::memchr(next, '\n', end - next))) != nullptr;
         next = lineFeed + 1) {
      std::string_view line(next, lineFeed - next);
      if (!cutLine.empty()) line = cutLine.append(line);
      if (visit(line, ++number)) return;
      cutLine.clear();
    }
    cutLine.append(next, end);
  }
  // The last line need not end with a line feed.
  visit(cutLine, ++number);
}

std::size_t lastLookupLine = 0;

// Reads the table afresh, for the check's hints, and hands each line to
// |visit| until it returns true: that line's number, or 0 where no line
// does or the table can't be read.
template <typename Visit>
std::size_t FindTableLine(Visit visit) {
  const int table = OpenPieces(adDescriptionFilename);
  if (table < 0) return 0;
  std::string chunk(std::size_t{1} << 16, '\0');
  bool utf16, unreadable;
  std::size_t found = 0;
  ScanTable(table, chunk, utf16, unreadable,
            [&found, &visit](std::string_view line, std::size_t number) {
              if (!visit(line)) return false;
              found = number;
              return true;
            });
  ClosePieces(table);
  return utf16 || unreadable ? 0 : found;
}

}  // namespace

std::optional<std::string> DescriptionAfter(std::string_view line, std::size_t wordEnd) {
  std::size_t text = wordEnd;
  while (text < line.size() && IsWhiteSpace(line[text])) ++text;
  if (text == line.size()) return std::nullopt;
  return CheckEndString(std::string(line.substr(text)));
}

char32_t NearSeparator(std::string_view line, std::string_view size) {
  std::size_t word = 0;
  while (word < line.size() && IsWhiteSpace(line[word])) ++word;
  char32_t c = 0;
  const std::size_t wordEnd = word + size.size();
  if (size.empty() || line.substr(word, size.size()) != size || wordEnd >= line.size() ||
      DecodeUtf8(line, wordEnd, c) == 0 || !IsWhiteSpaceOrZeroWidth(c) ||
      (c < 0x80 && IsWhiteSpace(static_cast<char>(c)))) {
    return 0;
  }
  return c;
}

std::optional<std::string> FindDescription(int table, std::string_view size, std::string& chunk,
                                           bool& utf16, bool& unreadable, std::size_t& line) {
  std::optional<std::string> description;
  line = 0;
  ScanTable(table, chunk, utf16, unreadable,
            [&description, &line, size](std::string_view text, std::size_t number) {
              std::optional<std::string> found = DescribeLine(text, size);
              if (!found) return false;
              description = std::move(found);
              line = number;
              return true;
            });
  if (utf16 || unreadable) description.reset();
  return description;
}

std::size_t LastLookupLine() { return lastLookupLine; }

std::string GetAdDescription(std::string size) {
  // The table is opened, read from its start and closed on every call:
  // nothing of it outlives a lookup but this buffer for its pieces.
  static std::string chunk(std::size_t{1} << 16, '\0');
  const int table = OpenPieces(adDescriptionFilename);
  if (table < 0) {
    ReportOpenFailure(adDescriptionFilename, FailureCause());
    std::exit(1);
  }
  bool utf16, unreadable;
  std::optional<std::string> description =
      FindDescription(table, size, chunk, utf16, unreadable, lastLookupLine);
  const int cause = unreadable ? FailureCause() : saidCause;  // before the close
  ClosePieces(table);
  if (utf16) ReportUtf16(adDescriptionFilename);
  if (unreadable) ReportReadFailure(adDescriptionFilename, cause);
  if (utf16 || unreadable) std::exit(1);
  if (!description) return "Undocumented ad size";
  return *std::move(description);
}

std::tuple<std::size_t, std::string, char32_t> FindNearLine(const std::string& size) {
  std::string text;
  char32_t separator = 0;
  const std::size_t line = FindTableLine([&text, &separator, &size](std::string_view line) {
    separator = NearSeparator(line, size);
    if (separator != 0) text = CheckEndString(std::string(line));
    return separator != 0;
  });
  if (line == 0) return {0, "", 0};
  return {line, text, separator};
}

std::pair<std::size_t, std::string> FindOtherCaseLine(const std::string& size) {
  const auto folded = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  std::string word;
  const std::size_t line = FindTableLine([&word, &size, folded](std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && IsWhiteSpace(line[start])) ++start;
    const std::string_view first = line.substr(start, size.size());
    if (first == size || first.size() != size.size() ||
        !std::equal(first.begin(), first.end(), size.begin(),
                    [folded](char a, char b) { return folded(a) == folded(b); }) ||
        !DescribeLine(line, first)) {
      return false;
    }
    word = first;
    return true;
  });
  if (line == 0) return {0, ""};
  return {line, word};
}
