// The size description: the readable name of an ad size, found in the
// description table.
#ifndef SLOTWRIGHT_LOOKUP_H_
#define SLOTWRIGHT_LOOKUP_H_

#include <string>

// Returns the description of |size| in the description table: the rest of the
// first line whose first word is |size|, after the white space that follows
// it, less one trailing carriage return.  A line holding the size and nothing
// after it describes nothing.  Without a match: "Undocumented ad size".
//
// The table is opened, read from its start and closed on every call, so an
// edit to it takes effect at once.  A table that can't be opened or read is
// reported and ends the process with status 1.
std::string GetAdDescription(std::string size);

#endif  // SLOTWRIGHT_LOOKUP_H_
