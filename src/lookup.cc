#include "lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "report.h"
#include "slotwright.h"
#include "text.h"

std::optional<std::string> DescriptionAfter(std::string_view line, std::size_t wordEnd) {
  std::size_t text = wordEnd;
  while (text < line.size() && IsWhiteSpace(line[text])) ++text;
  if (text == line.size()) return std::nullopt;
  return CheckEndString(std::string(line.substr(text)));
}

std::optional<std::string> FindDescription(std::FILE* table, std::string_view size,
                                           std::string& chunk) {
  std::string cutLine;  // the start of a line that a piece's end cut off
  // A piece that comes short has met the end of the table, or a read that
  // failed: no read follows it.
  for (bool first = true, whole = true; whole; first = false) {
    const std::size_t got = std::fread(&chunk[0], 1, chunk.size(), table);
    whole = got == chunk.size();
    const char* next = chunk.data();
    const char* const end = next + got;
    if (first && std::string_view(next, got).substr(0, byteOrderMark.size()) == byteOrderMark) {
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
  // The table is opened, read from its start and closed on every call:
  // nothing of it outlives a lookup but these buffers for what is read.
  static std::string chunk(std::size_t{1} << 16, '\0');
  static std::string buffer(std::size_t{1} << 16, '\0');
  std::FILE* const table = OpenText(adDescriptionFilename, &buffer);
  if (table == nullptr) std::exit(1);
  std::optional<std::string> description = FindDescription(table, size, chunk);
  const bool unreadable = std::ferror(table) != 0;
  std::fclose(table);
  if (unreadable) {
    ReportReadFailure(adDescriptionFilename);
    std::exit(1);
  }
  lastLookupFoundNoLine = !description;
  if (!description) return "Undocumented ad size";
  return *std::move(description);
}
