#include "existing.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "cause.h"
#include "hash.h"
#include "report.h"
#include "slotwright.h"
#include "text.h"

namespace {

bool haveExistingCodes = false;

// Each listed code's hash and line, in order of hash and then of line: a
// look-up costs a binary search, and each line 16 bytes.
std::vector<std::pair<std::uint64_t, std::size_t>> existingCodes;

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view ListedCode(std::string_view line) {
  line = line.substr(0, line.find(','));
  while (!line.empty() && IsBlankOrTab(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlankOrTab(line.back())) line.remove_suffix(1);
  if (!line.empty() && line.front() == '#') return {};
  return line;
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
      const std::string_view code = ListedCode(line);
      if (!code.empty()) existingCodes.emplace_back(Hash(code, true), number);
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

std::size_t ExistingCodeLine(std::uint64_t codeHash) {
  const auto first = std::lower_bound(existingCodes.begin(), existingCodes.end(),
                                      std::pair<std::uint64_t, std::size_t>(codeHash, 0));
  return first != existingCodes.end() && first->first == codeHash ? first->second : 0;
}
