// Fuzzes the table scan with arbitrary tables, sizes and piece sizes, and the
// composition and quoting of a row with arbitrary sites and sections, all in
// memory.  Every description must be what a plain line-by-line reading of
// the table gives, and every row must read back, quotes honoured, as the 14
// composed fields.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "compose.h"
#include "lookup.h"
#include "row.h"
#include "slotwright.h"

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The lookup's rule, written the slow and obvious way.
std::optional<std::string> ExpectedDescription(std::string table, const std::string& size) {
  if (table.compare(0, 3, "\xEF\xBB\xBF") == 0) table.erase(0, 3);
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    std::size_t word = 0;
    while (word < line.size() && IsSpace(line[word])) ++word;
    std::size_t wordEnd = word;
    while (wordEnd < line.size() && !IsSpace(line[wordEnd])) ++wordEnd;
    if (line.substr(word, wordEnd - word) != size) continue;
    std::size_t text = wordEnd;
    while (text < line.size() && IsSpace(line[text])) ++text;
    if (text < line.size()) return CheckEndString(line.substr(text));
  }
  return std::nullopt;
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
        if (at >= row.size()) std::abort();  // unterminated quotes
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
      if (at < row.size() && row[at] != ',') std::abort();  // text after the closing quote
    } else {
      while (at < row.size() && row[at] != ',') field += row[at++];
    }
    fields.push_back(field);
    if (at >= row.size()) return fields;
    ++at;  // the comma
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // Small pieces, so that short inputs cut lines, and byte-order marks, at
  // every place.
  std::string chunk(input.ConsumeIntegralInRange<std::size_t>(3, 40), '\0');
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

  std::FILE* tableFile = std::tmpfile();
  std::fwrite(table.data(), 1, table.size(), tableFile);
  std::rewind(tableFile);
  bool utf16, unreadable;
  std::size_t line = 0;
  const std::optional<std::string> found =
      FindDescription(fileno(tableFile), adSize, chunk, utf16, unreadable, line);
  const auto ascii = [&table](std::size_t at) {
    return table[at] > 0 && static_cast<unsigned char>(table[at]) < 0x80;
  };
  const bool utf16Start =
      table.compare(0, 2, "\xFF\xFE") == 0 || table.compare(0, 2, "\xFE\xFF") == 0 ||
      (table.size() >= 2 && ((ascii(0) && table[1] == '\0') || (table[0] == '\0' && ascii(1))));
  if (utf16 != utf16Start || unreadable || found.has_value() != (line != 0)) std::abort();
  std::fclose(tableFile);
  if (!utf16 && found != ExpectedDescription(table, adSize)) std::abort();

  const std::string sizeDescription = found.value_or("Undocumented ad size");
  const std::string code = ComposeCode(site, section, sizeDescription);
  const std::string description = ComposeDescription(site, section, sizeDescription);
  if (code.find_first_of(" '") != std::string::npos) std::abort();
  std::string row;
  FormatRow(code, code, adSize, description, row);
  if (row.empty() || row.back() != '\n') std::abort();
  const std::vector<std::string> expected = {
      code, code, adSize, description, "yes", "", "", "", "", "", "", "_blank", "text,image", ""};
  if (ReadRow(row.substr(0, row.size() - 1)) != expected) std::abort();
  return 0;
}
