#include "lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "report.h"
#include "slotwright.h"

std::optional<std::string> DescriptionAfter(std::string_view line, std::size_t wordEnd) {
  std::size_t text = wordEnd;
  while (text < line.size() && IsWhiteSpace(line[text])) ++text;
  if (text == line.size()) return std::nullopt;
  return CheckEndString(std::string(line.substr(text)));
}

std::optional<std::string> FindDescription(std::istream& table, std::string_view size,
                                           std::string& chunk) {
  std::string cutLine;  // the start of a line that a chunk's end cut off
  // The first piece is what the stream holds already, where it tells (the
  // lookup's UTF-16 check has brought in the first read), so that a table
  // that one read brings in costs no second read to find its end; it is three
  // bytes at least, to hold a byte-order mark.  The other pieces fill
  // |chunk|.  A read that comes short has met the end of the table, or
  // failed, and the next one reads nothing.
  const auto chunkSize = static_cast<std::streamsize>(chunk.size());
  std::streamsize piece = std::clamp<std::streamsize>(table.rdbuf()->in_avail(), 3, chunkSize);
  for (bool first = true; table.read(&chunk[0], piece), table.gcount() > 0;
       first = false, piece = chunkSize) {
    const char* next = chunk.data();
    const char* const end = next + table.gcount();
    if (first &&
        std::string_view(next, end - next).substr(0, byteOrderMark.size()) == byteOrderMark) {
      next += byteOrderMark.size();
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
  // Building a stream costs more than opening a file, so every lookup uses
  // these.  The table is still opened, read from its start and closed on every
  // call: nothing of it outlives a lookup.
  static std::ifstream table;
  static std::string chunk(std::size_t{1} << 16, '\0');
  table.open(adDescriptionFilename);
  if (!table.is_open()) {
    ReportOpenFailure(adDescriptionFilename);
    std::exit(1);
  }
  if (StartsAsUtf16(table)) {
    ReportUtf16(adDescriptionFilename);
    std::exit(1);
  }
  std::optional<std::string> description = FindDescription(table, size, chunk);
  const bool unreadable = ReadFailed(table, adDescriptionFilename, !description);
  table.close();
  if (unreadable) {
    ReportReadFailure(adDescriptionFilename);
    std::exit(1);
  }
  lastLookupFoundNoLine = !description;
  if (!description) return "Undocumented ad size";
  return *std::move(description);
}
