#include "run.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "check.h"
#include "compose.h"
#include "lookup.h"
#include "report.h"
#include "row.h"
#include "slotwright.h"
#include "stop.h"

namespace fs = std::filesystem;

namespace {

// A text stream stores a line feed as the system's line end, which on Windows
// is a carriage return and a line feed.  Asking the file for its size after
// every row would cost a system call a unit.
#ifdef _WIN32
constexpr std::uintmax_t lineEndBytes = 2;
#else
constexpr std::uintmax_t lineEndBytes = 1;
#endif

// Opens a list and reads its first byte or two (StartsAsUtf16), so that a
// file that can't be read, or is UTF-16, is found before the listing is
// touched.
bool OpenList(std::ifstream& list, const std::string& filename) {
  list.open(filename);
  if (!list.is_open()) {
    ReportOpenFailure(filename);
    return false;
  }
  if (StartsAsUtf16(list)) {
    ReportUtf16(filename);
    return false;
  }
  if (ReadFailed(list, filename, list.eof())) {
    ReportReadFailure(filename);
    return false;
  }
  list.clear();
  return true;
}

// Reads the next entry of a list into |entry|.  A final line feed ends the
// last line rather than starting an empty one, but a list of no bytes at all
// still yields one empty entry, so |first| says whether this is the first
// read of a pass.  Returns false at the end of the list or on a read error,
// which the caller tells apart with bad().
bool ReadEntry(std::ifstream& list, std::string& entry, bool first) {
  std::getline(list, entry);
  if (list.fail() && (list.bad() || !first)) return false;
  if (first && entry.compare(0, byteOrderMark.size(), byteOrderMark) == 0) {
    entry.erase(0, byteOrderMark.size());
  }
  entry = CheckEndString(std::move(entry));
  return true;
}

// Brings a list back to its first byte for the next pass.
bool Rewind(std::ifstream& list) {
  list.clear();
  list.seekg(0);
  return !list.fail();
}

// Whether there is a listing, at the end of a link where it is one.
bool ListingExists() {
  std::error_code ignored;
  return fs::exists(adUnitsFilename, ignored);
}

// Removes a listing that this run created: the file, at the end of a link
// where the listing is one, and not the link.
void RemoveListing() {
  std::error_code ignored;
  fs::remove(fs::canonical(adUnitsFilename, ignored), ignored);
}

// Whether the listing is one of the input files under another name (a link,
// say), which writing it would destroy.  Reports the first such input.
bool ListingIsAnInput() {
  for (const std::string* input :
       {&sitesFilename, &sectionsFilename, &adSizesFilename, &adDescriptionFilename}) {
    std::error_code ignored;
    if (fs::equivalent(adUnitsFilename, *input, ignored)) {
      ReportListingIsInput(*input);
      return true;
    }
  }
  return false;
}

// Whether the listing can be written; tested without emptying an earlier
// one, and without leaving one where there was none.
bool CanWriteListing() {
  const bool existed = ListingExists();
  BeginChange();
  const bool writable = std::ofstream(adUnitsFilename, std::ios::app).is_open();
  if (writable && !existed) RemoveListing();
  EndChange();
  return writable;
}

// Cuts a listing that failed to take a row back to its last whole row: a
// reader must not take a torn row for a unit.  A listing that this run
// |created| at this row holds no row, and is removed.
void AbandonListing(std::ofstream& listing, std::uintmax_t listed, bool created) {
  listing.close();
  std::error_code ignored;  // a device or a pipe can't be cut, nor torn
  if (created) {
    RemoveListing();
  } else {
    fs::resize_file(adUnitsFilename, listed, ignored);
  }
}

// Writes one row to the console and to the listing, each flushed at once, so
// the listing is complete up to its last row whenever the run ends.  Only a
// failure of the listing counts, and it is reported.  |listed| is the
// listing's size up to the end of its last whole row.
bool WriteRow(std::ofstream& listing, const std::string& row, std::uintmax_t& listed) {
  Echo(row);
  // The listing is emptied only at the first row, so that a run that writes
  // no row leaves an earlier one as it was; it may have become a link to an
  // input since it was checked.
  const bool first = !listing.is_open();
  if (first && ListingIsAnInput()) return false;
  const bool created = first && !ListingExists();
  BeginChange();
  if (first) listing.open(adUnitsFilename);
  if (!listing.is_open()) {
    EndChange();
    ReportListingOpenFailure();
    return false;
  }
  listing.write(row.data(), static_cast<std::streamsize>(row.size()));
  listing.flush();
  const bool written = listing.good();
  if (written) {
    listed += row.size() - 1 + lineEndBytes;  // a row's one line feed is its last byte
  } else {
    AbandonListing(listing, listed, created);
  }
  EndChange();
  if (!written) ReportWriteFailure();
  return written;
}

// The units of one site and section, one per size.  Returns false when the
// run must stop; it has then reported why.
bool WriteUnits(std::ifstream& sizes, std::ofstream& listing, std::uintmax_t& listed,
                const std::string& site, const std::string& section) {
  // A unit's description is its size's, then what this names.
  const std::size_t placeBytes = ComposeDescription(site, section, "").size();
  std::string size;
  std::string row;
  std::size_t line = 0;
  for (bool first = true; ReadEntry(sizes, size, first); first = false) {
    ++line;
    if (size.empty()) {
      PrintLine("You must specify at least an ad size in " + adSizesFilename + ".");
      return false;
    }
    // Composed one by one: the table is read in this order for every unit.
    const std::string code = GenerateCode(size, site, section);
    const std::string name = GenerateName(size, site, section);
    const std::string description = GenerateDescription(size, site, section);
    const bool undocumented = LastLookupFoundNoLine();  // the description's lookup is the last
    FormatRow(code, name, size, description, row);
    if (!WriteRow(listing, row, listed)) return false;
    NoteUnit(code, line, size,
             std::string_view(description).substr(0, description.size() - placeBytes),
             undocumented);
  }
  if (sizes.bad() || !Rewind(sizes)) {
    ReportReadFailure(adSizesFilename);
    return false;
  }
  return true;
}

}  // namespace

void Version() {
  PrintLine("Slotwright version " + version + ".");
  PrintLine("Copyright (C) 2026 the Slotwright developers. Released under the MIT licence.");
  PrintLine(
      "DISCLAIMER: this program is the result of hobbyistic programming and "
      "therefore it is provided AS IS without any guarantees or warranty.");
}

int GenerationRun() {
  CatchStopSignals();
  Version();
  PrintLine("");
  PrintLine("Checking if the required files can be accessed.");
  std::ifstream sites;
  std::ifstream sections;
  std::ifstream sizes;
  // The lists are tested before the listing, which is emptied only at the
  // first row, so a run that can't start leaves it as it was.
  if (!OpenList(sites, sitesFilename) || !OpenList(sections, sectionsFilename) ||
      !OpenList(sizes, adSizesFilename)) {
    return 1;
  }
  if (ListingIsAnInput()) return 1;
  if (!CanWriteListing()) {
    ReportListingOpenFailure();
    return 1;
  }
  PrintLine("All files opened correctly.");
  PrintLine(
      "Generating the ad units based on the information included on the input "
      "files.");

  std::ofstream listing;  // opened at the first row
  std::uintmax_t listed = 0;
  std::string site;
  std::string section;
  std::size_t siteLine = 0;
  for (bool firstSite = true; ReadEntry(sites, site, firstSite); firstSite = false) {
    NoteSite(++siteLine, site);
    std::size_t sectionLine = 0;
    for (bool firstSection = true; ReadEntry(sections, section, firstSection);
         firstSection = false) {
      NoteSection(++sectionLine, section);
      if (!WriteUnits(sizes, listing, listed, site, section)) return 1;
    }
    if (sections.bad() || !Rewind(sections)) {
      ReportReadFailure(sectionsFilename);
      return 1;
    }
  }
  if (sites.bad()) {
    ReportReadFailure(sitesFilename);
    return 1;
  }
  // Every row is whole already; a close that fails, as a network file system
  // may report a late write error only then, is a failure all the same.
  listing.close();
  if (listing.fail()) {
    ReportWriteFailure();
    return 1;
  }
  PrintLine("Ad units created and saved to " + adUnitsFilename + ".");
  PrintImportCheck();
  return 0;
}
