// existing_codes.txt: the codes in the network, read once and kept as
// hashes, so that the uploads can leave their units out.

#include "existing.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "cause.h"
#include "characters.h"
#include "hash.h"
#include "report.h"
#include "slotwright.h"
#include "text.h"

namespace {

bool haveExistingCodes = false;

// Each listed code's hash and line, in order of hash and then of line: a
// look-up costs a binary search, and each line 16 bytes.
std::vector<std::pair<std::uint64_t, std::size_t>> existingCodes;

std::string firstCode;
std::size_t firstCodeLine = 0;

// The length of the white space or character that takes no room at |at| in
// |text|; 0 where none stands there.
std::size_t SpaceAt(std::string_view text, std::size_t at) {
  char32_t c = 0;
  const std::size_t length = DecodeUtf8(text, at, c);
  return length > 0 && IsWhiteSpaceOrZeroWidth(c) ? length : 0;
}

// |text| without the white space and the characters that take no room at
// its start.
std::string_view TrimStart(std::string_view text) {
  for (std::size_t length; !text.empty() && (length = SpaceAt(text, 0)) > 0;) {
    text.remove_prefix(length);
  }
  return text;
}

// |text| without them at its end: the last character is found by stepping
// back over the bytes that continue a UTF-8 sequence.
std::string_view TrimEnd(std::string_view text) {
  while (!text.empty()) {
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    const std::size_t length = SpaceAt(text, start);
    if (length == 0 || start + length != text.size()) break;
    text.remove_suffix(length);
  }
  return text;
}

}  // namespace

std::string ListedCode(std::string_view line) {
  line = TrimStart(line);
  if (line.empty() || line.front() == '#') return {};
  if (line.front() != '"') return std::string(TrimEnd(line.substr(0, line.find(','))));
  std::string field;
  for (std::size_t at = 1; at < line.size(); ++at) {
    if (line[at] == '"' && (at + 1 == line.size() || line[at + 1] != '"')) break;
    if (line[at] == '"') ++at;  // "" stands for one
    field += line[at];
  }
  return std::string(TrimEnd(TrimStart(field)));
}

bool ReadExistingCodes() {
  bool absent = false;
  std::FILE* const file = OpenText(existingCodesFilename, &absent);
  if (absent) return true;
  if (file == nullptr) return false;
  // Counted first, so that the table takes no more than it needs.
  std::string line;
  std::size_t lines = 0;
  while (ReadLine(file, line)) ++lines;
  bool read = !std::ferror(file) && Rewind(file);
  if (read) {
    existingCodes.reserve(lines);
    for (std::size_t number = 1; ReadEntry(file, line, number == 1); ++number) {
      const std::string code = ListedCode(line);
      if (code.empty()) continue;
      existingCodes.emplace_back(Hash(code, true), number);
      if (firstCodeLine == 0) {
        firstCode = code;
        firstCodeLine = number;
      }
    }
    read = !std::ferror(file);
  }
  const int cause = read ? saidCause : FailureCause();  // before the close
  std::fclose(file);
  if (!read) {
    ReportReadFailure(existingCodesFilename, cause);
    return false;
  }
  std::sort(existingCodes.begin(), existingCodes.end());
  haveExistingCodes = true;
  return true;
}

bool HaveExistingCodes() { return haveExistingCodes; }

std::size_t ExistingCodeCount() { return existingCodes.size(); }

const std::string& FirstExistingCode(std::size_t& line) {
  line = firstCodeLine;
  return firstCode;
}

std::size_t ExistingCodeLine(std::uint64_t codeHash) {
  const auto first = std::lower_bound(existingCodes.begin(), existingCodes.end(),
                                      std::pair<std::uint64_t, std::size_t>(codeHash, 0));
  return first != existingCodes.end() && first->first == codeHash ? first->second : 0;
}
