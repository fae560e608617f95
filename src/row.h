// One row of the unit listing, as a reader of comma-separated values sees it.
#ifndef SLOTWRIGHT_ROW_H_
#define SLOTWRIGHT_ROW_H_

#include <string>

// Appends |field| to |row|, between double quotes with its own double quotes
// doubled when it holds a comma, a carriage return or a line feed or begins
// with a double quote; byte for byte otherwise.
void AppendField(std::string& row, const std::string& field);

// Puts in |row| the unit's row: code, name, size and description, the ten
// fields that are the same for every unit, and a line feed.  |row| is
// overwritten, so one string can serve every row.
void FormatRow(const std::string& code, const std::string& name, const std::string& size,
               const std::string& description, std::string& row);

#endif  // SLOTWRIGHT_ROW_H_
