// What the whole program shares: the names of the files it reads and writes,
// its version, and what every input line goes through.
#ifndef SLOTWRIGHT_SLOTWRIGHT_H_
#define SLOTWRIGHT_SLOTWRIGHT_H_

#include <filesystem>
#include <istream>
#include <string>

#include "version.h"

// Every file is opened by these bare names, so in the current directory, and
// every message and help line names a file through them.
inline const std::string sitesFilename = "sites.txt";
inline const std::string sectionsFilename = "sections.txt";
inline const std::string adSizesFilename = "adsizes.txt";
inline const std::string adDescriptionFilename = "addescription.txt";
inline const std::string adUnitsFilename = "ad_units.csv";

inline const std::string version = SLOTWRIGHT_VERSION;

// Editors on Windows often save UTF-8 with these three bytes first; at the
// very start of a list or of the table they are no part of its content.
inline const std::string byteOrderMark = "\xEF\xBB\xBF";

// Whether |file|, opened from |filename|, could not be read: a read failed,
// or, when it gave |nothing|, it is a directory, which some libraries read as
// an empty file.  Only then is the file system asked.
inline bool ReadFailed(const std::istream& file, const std::string& filename, bool nothing) {
  std::error_code error;
  return file.bad() || (nothing && std::filesystem::is_directory(filename, error));
}

// Whether |file| begins with a UTF-16 byte-order mark, FF FE or FE FF, as
// "Unicode" text from Windows does.  It reads past the first byte only when
// that byte may begin one, and then goes back to the start; a file that
// can't go back, a pipe say, has lost what was read, and is left bad().
inline bool StartsAsUtf16(std::istream& file) {
  const auto first = file.peek();
  if (first != 0xFF && first != 0xFE) return false;
  std::string mark(2, '\0');
  file.read(&mark[0], static_cast<std::streamsize>(mark.size()));
  file.clear();
  if (!file.seekg(0)) file.setstate(std::ios::badbit);
  return mark == "\xFF\xFE" || mark == "\xFE\xFF";
}

// Returns |line| without its last byte when that byte is a carriage return,
// so that files saved with CR LF line ends read like the others.  At most one
// carriage return is removed.
inline std::string CheckEndString(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

#endif  // SLOTWRIGHT_SLOTWRIGHT_H_
