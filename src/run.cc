// The generation run: the checks, every unit of the lists written as a row,
// then the uploads, the findings file and the import check.

#include "run.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cause.h"
#include "check.h"
#include "compose.h"
#include "existing.h"
#include "findings.h"
#include "listing.h"
#include "lookup.h"
#include "report.h"
#include "row.h"
#include "slotwright.h"
#include "stop.h"
#include "text.h"
#include "uploads.h"

namespace {

// A text stream stores a line feed as the system's line end, which on Windows
// is a carriage return and a line feed.  Asking the file for its size after
// every row would cost a system call a unit.
#ifdef _WIN32
constexpr std::uintmax_t lineEndBytes = 2;
#else
constexpr std::uintmax_t lineEndBytes = 1;
#endif

// Whether the list was read to its end, and went back to its start for the
// next pass; reported where not.
bool EndPass(std::FILE* list, const std::string& filename) {
  if (!std::ferror(list) && Rewind(list)) return true;
  ReportReadFailure(filename, FailureCause());
  return false;
}

void SayNoSize() { PrintLine("You must specify at least an ad size in " + adSizesFilename + "."); }

// Reads the size list through once before anything changes: every pass reads
// the same sizes, so one that meets an empty size can never complete, and
// would only have replaced an earlier listing with part of one.  |emptyLine|
// is the line of the first empty size, 0 where there is none; |noBytes| says
// that the list holds no byte at all.  A list that can't go back to its
// start, a pipe, is left to the passes.  False where it can't be read, which
// it has reported.
bool FindEmptySize(std::FILE* sizes, std::size_t& emptyLine, bool& noBytes) {
  emptyLine = 0;
  if (!IsRegularFile(sizes, noBytes)) return true;
  std::string size;
  std::size_t line = 0;
  for (bool first = true; emptyLine == 0 && ReadEntry(sizes, size, first); first = false) {
    ++line;
    if (size.empty()) emptyLine = line;
  }
  if (!std::ferror(sizes) && Rewind(sizes)) return true;
  ReportReadFailure(adSizesFilename, FailureCause());
  return false;
}

// Writes one row to the console and to the listing, so the listing is
// complete up to its last row whenever the run ends.  Only a failure of the
// listing counts, and it is reported.  |listed| is the listing's size up to
// the end of its last whole row.
bool WriteRow(std::FILE*& listing, const std::string& row, std::uintmax_t& listed) {
  Echo(row);
  // The listing is emptied only at the first row, so that a run that writes
  // no row leaves an earlier one as it was; it may have become a link to an
  // input since it was checked.
  const bool first = listing == nullptr;
  if (first && ListingIsAnInput()) return false;
  BeginChange();
  // Uploads belong to the listing they were made from.
  if (first && !RemoveEarlierUploads()) {
    EndChange();
    return false;
  }
  int cause = saidCause;
  if (first) listing = OpenListing(cause);
  if (listing == nullptr) {
    EndChange();
    ReportListingOpenFailure(cause);
    return false;
  }
  // The listing has no buffer: the row goes to the file in this one write,
  // and the flush, which costs nothing then, makes sure of it.
  const bool written =
      std::fwrite(row.data(), 1, row.size(), listing) == row.size() && std::fflush(listing) == 0;
  bool whole = true;
  if (!written) cause = FailureCause();  // before the cut back
  if (written) {
    listed += row.size() - 1 + lineEndBytes;  // a row's one line feed is its last byte
    if (first) FinishListing();
  } else {
    whole = AbandonListing(listing, listed);
    listing = nullptr;
  }
  EndChange();
  if (!written) {
    ReportWriteFailure(adUnitsFilename, cause);
    if (!whole) ReportPartOfARow();
  }
  return written;
}

// The units of one site and section, one per size.  Returns false when the
// run must stop; it has then reported why.
bool WriteUnits(std::FILE* sizes, std::FILE*& listing, std::uintmax_t& listed,
                const std::string& site, const std::string& section) {
  // A unit's description is its size's, then what this names.
  const std::size_t placeBytes = ComposeDescription(site, section, "").size();
  std::string size;
  std::string row;
  std::size_t line = 0;
  for (bool first = true; ReadEntry(sizes, size, first); first = false) {
    ++line;
    if (size.empty()) {
      SayNoSize();
      return false;
    }
    // Composed one by one: the table is read in this order for every unit.
    const std::string code = GenerateCode(size, site, section);
    const std::string name = GenerateName(size, site, section);
    const std::string description = GenerateDescription(size, site, section);
    const std::size_t tableLine = LastLookupLine();  // the description's lookup is the last
    FormatRow(code, name, size, description, row);
    if (!WriteRow(listing, row, listed)) return false;
    NoteUnit(code, line, size,
             std::string_view(description).substr(0, description.size() - placeBytes), tableLine);
  }
  return EndPass(sizes, adSizesFilename);
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
  // However the run ends, by a failure it reports or by the table's, a
  // listing it made that holds no row goes.
  std::atexit(RemoveUnfinishedListing);
  Version();
  PrintLine("");
  PrintLine("Checking if the required files can be accessed.");
  // The lists are tested before the listing, which is emptied only at the
  // first row, so a run that can't start leaves it as it was.  They close as
  // the process ends.
  std::FILE* const sites = OpenText(sitesFilename);
  std::FILE* const sections = sites ? OpenText(sectionsFilename) : nullptr;
  std::FILE* const sizes = sections ? OpenText(adSizesFilename) : nullptr;
  if (sizes == nullptr || !ReadExistingCodes()) return 1;
  if (ListingIsAnInput()) return 1;
  int cause = saidCause;
  if (!CanWriteListing(cause)) {
    ReportListingOpenFailure(cause);
    return 1;
  }
  std::size_t emptySize = 0;
  bool noSizes = false;
  if (!FindEmptySize(sizes, emptySize, noSizes)) return 1;
  PrintLine("All files opened correctly.");
  PrintLine(
      "Generating the ad units based on the information included on the input "
      "files.");
  if (emptySize != 0) {
    SayNoSize();
    PrintLine(noSizes ? adSizesFilename + " holds no size."
                      : adSizesFilename + " line " + std::to_string(emptySize) +
                            " is empty; delete the line or put a size on it.");
    return 1;
  }

  std::FILE* listing = nullptr;  // opened at the first row
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
    if (!EndPass(sections, sectionsFilename)) return 1;
  }
  if (std::ferror(sites)) {
    ReportReadFailure(sitesFilename, FailureCause());
    return 1;
  }
  // Every row is whole already; a close that fails, as a network file system
  // may report a late write error only then, is a failure all the same.
  if (listing != nullptr && std::fclose(listing) != 0) {
    ReportWriteFailure(adUnitsFilename, FailureCause());
    return 1;
  }
  PrintLine("Ad units created and saved to " + adUnitsFilename + ".");
  // The uploads and the findings file are one change: a stop signal
  // meanwhile leaves neither, and the listing whole.
  BeginChange();
  std::uintmax_t uploads = 0;
  if (UploadsDiffer() && !WriteUploads(LeftOutUnits(), uploads)) {
    EndChange();
    return 1;
  }
  bool findingsWritten = false;
  int findingsCause = saidCause;
  const bool findingsFailed = !WriteFindings(findingsWritten, findingsCause);
  if (StopNoted()) {
    RemoveUnfinishedUploads();
    RemoveUnfinishedFindings();
    PrintLine("Stopped: the uploads and " + adUnitsCheckFilename + " of this run were removed; " +
              adUnitsFilename + " is whole.");
  }
  FinishUploads();
  FinishFindings();
  EndChange();
  // The check needs no disk: it is shown even where its file can't be
  // written, which is said after it.
  PrintImportCheck(uploads, findingsWritten);
  if (findingsFailed) ReportWriteFailure(adUnitsCheckFilename, findingsCause);
  return findingsFailed ? 1 : 0;
}
