#include "lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "report.h"
#include "slotwright.h"

namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::optional<std::string> DescribeLine(std::string_view line, std::string_view size) {
  std::size_t word = 0;
  while (word < line.size() && IsWhiteSpace(line[word])) ++word;
  line.remove_prefix(word);
  // Most lines fail on their first bytes.  A size that holds white space
  // would match the first words of a longer line, but never equals a word.
  if (line.size() <= size.size() || !IsWhiteSpace(line[size.size()]) ||
      line.compare(0, size.size(), size) != 0 ||
      std::find_if(size.begin(), size.end(), IsWhiteSpace) != size.end()) {
    return std::nullopt;
  }
  std::size_t text = size.size();
  while (text < line.size() && IsWhiteSpace(line[text])) ++text;
  if (text == line.size()) return std::nullopt;
  return CheckEndString(std::string(line.substr(text)));
}

std::optional<std::string> FindDescription(std::istream& table, std::string_view size,
                                           std::string& chunk) {
  std::string cutLine;  // the start of a line that a chunk's end cut off
  bool firstLine = true;
  auto describe = [&](std::string_view line) {
    if (firstLine && line.substr(0, byteOrderMark.size()) == byteOrderMark) {
      line.remove_prefix(byteOrderMark.size());
    }
    firstLine = false;
    return DescribeLine(line, size);
  };
  // A read that comes short has met the end of the table, or failed; the
  // next one then reads nothing.
  while (table.read(&chunk[0], static_cast<std::streamsize>(chunk.size())), table.gcount() > 0) {
    const char* next = chunk.data();
    const char* const end = next + table.gcount();
    for (const char* lineFeed;
         (lineFeed = static_cast<const char*>(std::memchr(next, '\n', end - next))) != nullptr;
         next = lineFeed + 1) {
      std::optional<std::string> description;
      if (cutLine.empty()) {
        description = describe(std::string_view(next, lineFeed - next));
      } else {
        cutLine.append(next, lineFeed);
        description = describe(cutLine);
        cutLine.clear();
      }
      if (description) return description;
    }
    cutLine.append(next, end);
  }
  // The last line need not end with a line feed.
  if (table.bad()) return std::nullopt;
  return describe(cutLine);
}

std::string GetAdDescription(std::string size) {
  // Building a stream costs more than opening a file, so every lookup uses
  // these.  The table is still opened, read from its start and closed on every
  // call: nothing of it outlives a lookup.
  static std::ifstream table;
  static std::string chunk(std::size_t{1} << 16, '\0');
  std::error_code error;
  table.open(adDescriptionFilename);
  if (!table.is_open()) {
    // Some systems refuse to open a directory.
    if (std::filesystem::is_directory(adDescriptionFilename, error)) {
      ReportReadFailure(adDescriptionFilename);
    } else {
      ReportOpenFailure(adDescriptionFilename);
    }
    std::exit(1);
  }
  std::optional<std::string> description = FindDescription(table, size, chunk);
  // Others open it, and then some libraries report the read as failed while
  // others read it as an empty table.
  const bool unreadable =
      table.bad() || (!description && std::filesystem::is_directory(adDescriptionFilename, error));
  table.close();
  if (unreadable) {
    ReportReadFailure(adDescriptionFilename);
    std::exit(1);
  }
  if (!description) return "Undocumented ad size";
  return *std::move(description);
}
