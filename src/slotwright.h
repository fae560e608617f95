// What the whole program shares: the names of the files it reads and writes,
// its version, and what every input line goes through.
#ifndef SLOTWRIGHT_SLOTWRIGHT_H_
#define SLOTWRIGHT_SLOTWRIGHT_H_

#include <string>

#include "version.h"

// Every file is opened by these bare names, so in the current directory, and
// every message and help line names a file through them.
inline const std::string sitesFilename = "sites.txt";
inline const std::string sectionsFilename = "sections.txt";
inline const std::string adSizesFilename = "adsizes.txt";
inline const std::string adDescriptionFilename = "addescription.txt";
inline const std::string adUnitsFilename = "ad_units.csv";
// Written beside the listing: every entry and unit behind the import check's
// findings.
inline const std::string adUnitsCheckFilename = "ad_units_check.csv";
// Optional: the codes that the ad server's network holds already.
inline const std::string existingCodesFilename = "existing_codes.txt";

inline const std::string version = SLOTWRIGHT_VERSION;

// Editors on Windows often save UTF-8 with these three bytes first; at the
// very start of a list or of the table they are no part of its content.
inline const std::string byteOrderMark = "\xEF\xBB\xBF";

// Returns |line| without its last byte when that byte is a carriage return,
// so that files saved with CR LF line ends read like the others.  At most one
// carriage return is removed.
inline std::string CheckEndString(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

#endif  // SLOTWRIGHT_SLOTWRIGHT_H_
