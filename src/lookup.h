// The size description: the readable name of an ad size, found in the
// description table.
#ifndef SLOTWRIGHT_LOOKUP_H_
#define SLOTWRIGHT_LOOKUP_H_

#include <istream>
#include <optional>
#include <string>
#include <string_view>

// The rule for one line of the table, without its line feed: when the line's
// first word (after any white space) is |size| and more than white space
// follows it, the rest of the line after that white space, less one trailing
// carriage return.  Nothing otherwise.
std::optional<std::string> DescribeLine(std::string_view line, std::string_view size);

// Reads |table| from where it stands, |chunk|.size() bytes at a time through
// |chunk|, and hands each line to DescribeLine until one describes |size|.
// One byte-order mark before the first line is skipped.  Nothing when no line
// does, or when a read fails, which table.bad() then tells.
std::optional<std::string> FindDescription(std::istream& table, std::string_view size,
                                           std::string& chunk);

// Returns the description of |size| in the description table, or "Undocumented
// ad size" when no line gives one.
//
// The table is opened, read from its start and closed on every call, so an
// edit to it takes effect at once.  A table that can't be opened or read is
// reported and ends the process with status 1.
std::string GetAdDescription(std::string size);

#endif  // SLOTWRIGHT_LOOKUP_H_
