// Fuzzes the description lookup with arbitrary tables and sizes, and the
// composition and quoting of a row with arbitrary sites and sections.  Every
// description must be what a plain line-by-line reading of the table gives,
// and every row must read back, quotes honoured, as the 14 composed fields.

#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "compose.h"
#include "lookup.h"
#include "row.h"
#include "slotwright.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

// The lookup's rule, written the slow and obvious way.
std::string ExpectedDescription(const std::string& table, const std::string& size) {
  std::size_t start = 0;
  while (start <= table.size()) {
    std::size_t end = table.find('\n', start);
    if (end == std::string::npos) end = table.size();
    const std::string line = table.substr(start, end - start);
    std::size_t word = 0;
    while (word < line.size() && IsBlank(line[word])) ++word;
    std::size_t wordEnd = word;
    while (wordEnd < line.size() && !IsBlank(line[wordEnd])) ++wordEnd;
    if (line.compare(word, wordEnd - word, size) == 0) {
      std::size_t text = wordEnd;
      while (text < line.size() && IsBlank(line[text])) ++text;
      if (text < line.size()) return CheckEndString(line.substr(text));
    }
    start = end + 1;
  }
  return "Undocumented ad size";
}

// Splits a row, less its final line feed, as a reader of comma-separated
// values does: a field that begins with a double quote runs to the next lone
// double quote, and doubled ones inside it stand for one.
std::vector<std::string> ReadRow(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  for (;;) {
    std::string field;
    if (at < row.size() && row[at] == '"') {
      ++at;
      for (;;) {
        if (at >= row.size()) abort();  // unterminated quotes
        if (row[at] == '"') {
          if (at + 1 < row.size() && row[at + 1] == '"') {
            field += '"';
            at += 2;
            continue;
          }
          ++at;
          break;
        }
        field += row[at++];
      }
      if (at < row.size() && row[at] != ',') abort();  // text after the closing quote
    } else {
      while (at < row.size() && row[at] != ',') field += row[at++];
    }
    fields.push_back(field);
    if (at >= row.size()) return fields;
    ++at;  // the comma
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char dir[] = "/tmp/slotwright-fuzz-XXXXXX";
  if (mkdtemp(dir) == nullptr || chdir(dir) != 0) abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // Lines never hold a line feed: the lists are split at them.
  auto entry = [&input] {
    std::string text = input.ConsumeRandomLengthString(64);
    for (char& c : text) {
      if (c == '\n') c = ' ';
    }
    return text;
  };
  const std::string adSize = entry();
  const std::string site = entry();
  const std::string section = entry();
  const std::string table = input.ConsumeRemainingBytesAsString();
  {
    std::ofstream file(adDescriptionFilename, std::ios::binary | std::ios::trunc);
    file << table;
  }

  const std::string sizeDescription = GetAdDescription(adSize);
  if (sizeDescription != ExpectedDescription(table, adSize)) abort();

  const std::string code = GenerateCode(adSize, site, section);
  const std::string name = GenerateName(adSize, site, section);
  const std::string description = GenerateDescription(adSize, site, section);
  if (code.find_first_of(" '") != std::string::npos || name != code) abort();
  std::string row;
  FormatRow(code, name, adSize, description, row);
  if (row.empty() || row.back() != '\n') abort();
  const std::vector<std::string> expected = {
      code, name, adSize, description, "yes", "", "", "", "", "", "", "_blank", "text,image", ""};
  if (ReadRow(row.substr(0, row.size() - 1)) != expected) abort();
  return 0;
}
