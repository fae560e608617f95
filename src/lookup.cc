#include "lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "cause.h"
#include "report.h"
#include "slotwright.h"
#include "text.h"

std::optional<std::string> DescriptionAfter(std::string_view line, std::size_t wordEnd) {
  std::size_t text = wordEnd;
  while (text < line.size() && IsWhiteSpace(line[text])) ++text;
  if (text == line.size()) return std::nullopt;
  return CheckEndString(std::string(line.substr(text)));
}

std::optional<std::string> FindDescription(int table, std::string_view size, std::string& chunk,
                                           bool& utf16, bool& unreadable) {
  std::string cutLine;  // the start of a line that a piece's end cut off
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
        return std::nullopt;
      }
    }
    if (got == 0) break;
    const char* next = chunk.data();
    const char* const end = next + got;
    if (first) {
      const std::string_view start(next, std::min<std::size_t>(got, 3));
      utf16 = IsUtf16Mark(start.substr(0, 2));
      if (utf16) return std::nullopt;
      if (start == byteOrderMark) next += byteOrderMark.size();
    }
    for (const char* lineFeed;
         (lineFeed = static_cast<const char*>(std::memchr(next, '\n', end - next))) != nullptr;
         next = lineFeed + 1) {
      std::string_view line(next, lineFeed - next);
      if (!cutLine.empty()) line = cutLine.append(line);
      if (std::optional<std::string> description = DescribeLine(line, size)) return description;
      cutLine.clear();
    }
    cutLine.append(next, end);
  }
  // The last line need not end with a line feed.
  return DescribeLine(cutLine, size);
}

namespace {

bool lastLookupFoundNoLine = false;

}  // namespace

bool LastLookupFoundNoLine() { return lastLookupFoundNoLine; }

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
  std::optional<std::string> description = FindDescription(table, size, chunk, utf16, unreadable);
  const int cause = unreadable ? FailureCause() : saidCause;  // before the close
  ClosePieces(table);
  if (utf16) ReportUtf16(adDescriptionFilename);
  if (unreadable) ReportReadFailure(adDescriptionFilename, cause);
  if (utf16 || unreadable) std::exit(1);
  lastLookupFoundNoLine = !description;
  if (!description) return "Undocumented ad size";
  return *std::move(description);
}
