// One row of the unit listing, with the fields that need them quoted.

#include "row.h"

#include <algorithm>

namespace {

// Fields 5 to 14: active, six fields left empty, the target window, the
// creative types (quoted, as they hold a comma) and an empty last field.
const char fixedFields[] = ",yes,,,,,,,_blank,\"text,image\",\n";

// A plain loop: find_first_of looks for each byte among the three by a call.
bool NeedsQuotes(const std::string& field) {
  return field.compare(0, 1, "\"") == 0 || std::any_of(field.begin(), field.end(), [](char c) {
           return c == ',' || c == '\r' || c == '\n';
         });
}

}  // namespace

void AppendField(std::string& row, const std::string& field) {
  if (!NeedsQuotes(field)) {
    row += field;
    return;
  }
  row += '"';
  for (const char c : field) {
    if (c == '"') row += '"';
    row += c;
  }
  row += '"';
}

void FormatRow(const std::string& code, const std::string& name, const std::string& size,
               const std::string& description, std::string& row) {
  row.clear();
  AppendField(row, code);
  row += ',';
  AppendField(row, name);
  row += ',';
  AppendField(row, size);
  row += ',';
  AppendField(row, description);
  row += fixedFields;
}
