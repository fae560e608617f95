#include "run.h"

#include <fstream>
#include <string>

#include "compose.h"
#include "report.h"
#include "row.h"
#include "slotwright.h"

namespace {

// Opens a list and reads its first byte, so that a file that can't be read
// (a directory of that name, say) is found before the listing is touched.
bool OpenList(std::ifstream& list, const std::string& filename) {
  list.open(filename);
  if (!list.is_open()) {
    ReportOpenFailure(filename);
    return false;
  }
  list.peek();
  if (list.bad()) {
    ReportReadFailure(filename);
    return false;
  }
  list.clear();
  return true;
}

// Reads the next entry of a list into |entry|.  A final line feed ends the
// last line rather than starting an empty one, but a list of no bytes at all
// still yields one empty entry, so |first| says whether this is the list's
// first read.  Returns false at the end of the list or on a read error, which
// the caller tells apart with bad().
bool ReadEntry(std::ifstream& list, std::string& entry, bool first) {
  std::getline(list, entry);
  if (list.fail() && (list.bad() || !first)) return false;
  entry = CheckEndString(std::move(entry));
  return true;
}

// Brings a list back to its first byte for the next pass.
bool Rewind(std::ifstream& list) {
  list.clear();
  list.seekg(0);
  return !list.fail();
}

// Writes one row to the console and to the listing, each flushed at once, so
// the listing is complete up to its last row whenever the run ends.  Only a
// failure of the listing counts.
bool WriteRow(std::ofstream& listing, const std::string& row) {
  Echo(row);
  listing.write(row.data(), static_cast<std::streamsize>(row.size()));
  listing.flush();
  return listing.good();
}

// The units of one site and section, one per size.  Returns the exit status
// that stops the run, or -1 to go on.
int WriteUnits(std::ifstream& sizes, std::ofstream& listing, const std::string& site,
               const std::string& section) {
  std::string size;
  std::string row;
  for (bool first = true; ReadEntry(sizes, size, first); first = false) {
    if (size.empty()) {
      PrintLine("You must specify at least an ad size in " + adSizesFilename + ".");
      return 1;
    }
    // Composed one by one: the table is read in this order for every unit.
    const std::string code = GenerateCode(size, site, section);
    const std::string name = GenerateName(size, site, section);
    const std::string description = GenerateDescription(size, site, section);
    FormatRow(code, name, size, description, row);
    if (!WriteRow(listing, row)) {
      ReportWriteFailure();
      return 1;
    }
  }
  if (sizes.bad() || !Rewind(sizes)) {
    ReportReadFailure(adSizesFilename);
    return 1;
  }
  return -1;
}

}  // namespace

void Version() {
  PrintLine("Slotwright version " + version + ".");
  PrintLine("Copyright (C) 2026 the Slotwright developers.");
  PrintLine(
      "DISCLAIMER: this program is the result of hobbyistic programming and "
      "therefore it is provided AS IS without any guarantees or warranty.");
}

int GenerationRun() {
  Version();
  PrintLine("");
  PrintLine("Checking if the required files can be accessed.");
  std::ifstream sites;
  std::ifstream sections;
  std::ifstream sizes;
  // The lists are tested before the listing is opened, so a run that can't
  // start leaves an earlier listing as it was.
  if (!OpenList(sites, sitesFilename) || !OpenList(sections, sectionsFilename) ||
      !OpenList(sizes, adSizesFilename)) {
    return 1;
  }
  std::ofstream listing(adUnitsFilename);
  if (!listing.is_open()) {
    ReportListingOpenFailure();
    return 1;
  }
  PrintLine("All files opened correctly.");
  PrintLine(
      "Generating the ad units based on the information included on the input "
      "files.");

  std::string site;
  std::string section;
  for (bool firstSite = true; ReadEntry(sites, site, firstSite); firstSite = false) {
    for (bool firstSection = true; ReadEntry(sections, section, firstSection);
         firstSection = false) {
      const int status = WriteUnits(sizes, listing, site, section);
      if (status >= 0) return status;
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
  listing.close();
  if (listing.fail()) {
    ReportWriteFailure();
    return 1;
  }
  PrintLine("Ad units created and saved to " + adUnitsFilename + ".");
  return 0;
}
