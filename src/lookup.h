// The size description: the readable name of an ad size, found in the
// description table.
#ifndef SLOTWRIGHT_LOOKUP_H_
#define SLOTWRIGHT_LOOKUP_H_

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

// Blank, and tab to carriage return: the bytes that separate words.
inline bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The rest of |line| after the white space that begins at |wordEnd|, less one
// trailing carriage return; nothing when only white space is left.
std::optional<std::string> DescriptionAfter(std::string_view line, std::size_t wordEnd);

// The rule for one line of the table, without its line feed: when the line's
// first word (after any white space) is |size|, and more than white space
// follows it, the rest of the line after that white space, less one trailing
// carriage return.  Nothing otherwise, and never for a size that holds white
// space, which is no word.
//
// The lookup tries it on every line, so it is inline.
inline std::optional<std::string> DescribeLine(std::string_view line, std::string_view size) {
  std::size_t word = 0;
  while (word < line.size() && IsWhiteSpace(line[word])) ++word;
  const std::size_t wordEnd = word + size.size();
  if (line.substr(word, size.size()) != size || wordEnd >= line.size() ||
      !IsWhiteSpace(line[wordEnd]) || std::any_of(size.begin(), size.end(), IsWhiteSpace)) {
    return std::nullopt;
  }
  return DescriptionAfter(line, wordEnd);
}

// Reads |table|, a file opened by OpenPieces, from its start in pieces of
// at most |chunk|.size() bytes (three at least) taken into |chunk|, and hands
// each line to DescribeLine until one describes |size|; |line| is that
// line's number, counted from 1.  One byte-order mark at the start is
// skipped.  Nothing when no line does, and where the table begins as UTF-16
// (|utf16|) or a read fails (|unreadable|).
std::optional<std::string> FindDescription(int table, std::string_view size, std::string& chunk,
                                           bool& utf16, bool& unreadable, std::size_t& line);

// Returns the description of |size| in the description table, or "Undocumented
// ad size" when no line gives one.
//
// The table is opened, read from its start and closed on every call, so an
// edit to it takes effect at once.  A table that can't be opened or read is
// reported and ends the process with status 1.
std::string GetAdDescription(std::string size);

// The line of the table that gave the last call of GetAdDescription its
// description; 0 where no line described the size, rather than a line that
// gives "Undocumented ad size" as its text.
std::size_t LastLookupLine();

// Where a line of the table, as |line| holds it, begins with |size| followed
// by white space other than the lookup's or by a character that takes no
// room (a no-break space, say), that character; 0 otherwise.  Such a line
// almost describes the size, and is the one to mend.
char32_t NearSeparator(std::string_view line, std::string_view size);

// The first line of the table that almost describes |size|: its number
// (0 for none), its text and the character after the size.
std::tuple<std::size_t, std::string, char32_t> FindNearLine(const std::string& size);

// The first line of the table whose first word is |size| but for the case
// of ASCII letters, and that gives it a description: its number (0 for
// none) and that word.
std::pair<std::size_t, std::string> FindOtherCaseLine(const std::string& size);

#endif  // SLOTWRIGHT_LOOKUP_H_
