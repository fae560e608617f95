// The uploads: the listing's rows in files of at most 1,000, less the
// units in the network, and the removal of earlier ones.

#include "uploads.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "cause.h"
#include "listing.h"
#include "report.h"
#include "slotwright.h"

namespace fs = std::filesystem;

namespace {

const char uploadPrefix[] = "ad_units_";
const char uploadSuffix[] = ".csv";

// The uploads of this run so far, numbered from 1, and the one being
// written: what goes if the run can't finish them.
bool writingUploads = false;
std::uintmax_t uploadsMade = 0;
std::FILE* openUpload = nullptr;

// Opens the next upload, one that wasn't there: a file that stands at its
// name now is none that this run may overwrite.  One made is this run's from
// then on, even where its stream can't be.
bool OpenNextUpload() {
  char name[32];
  UploadName(uploadsMade + 1, name);
  bool existed = false, created = false;
  openUpload = CreateNewFile(name, existed, created, true);
  uploadsMade += created;
  return openUpload != nullptr;
}

bool CloseUpload() {
  std::FILE* const upload = openUpload;
  openUpload = nullptr;
  return std::fclose(upload) == 0;
}

// Copies the listing's rows to the uploads.  A row ends at its line feed:
// no field holds one, as every field comes from a line of a list or of the
// table.  False where an upload failed: |failed| is its number, and |cause|
// says why.
bool CopyRows(std::FILE* listing, const std::vector<bool>& leftOut, std::uintmax_t& failed,
              int& cause) {
  static char piece[1 << 16];
  std::uintmax_t row = 0;
  std::size_t rowsInUpload = 0;
  bool keep = leftOut.empty() || !leftOut[0];
  for (std::size_t got; (got = std::fread(piece, 1, sizeof piece, listing)) > 0;) {
    const char* const end = piece + got;
    for (const char* from = piece; from < end;) {
      const char* const lineFeed = static_cast<const char*>(std::memchr(from, '\n', end - from));
      const char* const to = lineFeed != nullptr ? lineFeed + 1 : end;
      if (keep) {
        failed = uploadsMade + (openUpload == nullptr);
        const auto bytes = static_cast<std::size_t>(to - from);
        if ((openUpload == nullptr && !OpenNextUpload()) ||
            std::fwrite(from, 1, bytes, openUpload) != bytes) {
          cause = FailureCause();
          return false;
        }
      }
      from = to;
      if (lineFeed == nullptr) break;  // the row goes on in the next piece
      if (keep && ++rowsInUpload == maxUnitsInOneUpload) {
        rowsInUpload = 0;
        failed = uploadsMade;
        if (!CloseUpload()) {
          cause = FailureCause();
          return false;
        }
      }
      ++row;
      keep = row >= leftOut.size() || !leftOut[row];
    }
  }
  if (std::ferror(listing)) cause = FailureCause();  // before the close
  failed = uploadsMade;
  if (openUpload != nullptr && !CloseUpload()) {
    cause = FailureCause();
    return false;
  }
  return true;
}

}  // namespace

bool IsUploadName(std::string_view name) {
  const std::string_view prefix = uploadPrefix, suffix = uploadSuffix;
  if (name.size() < prefix.size() + 3 + suffix.size() || name.substr(0, prefix.size()) != prefix ||
      name.substr(name.size() - suffix.size()) != suffix) {
    return false;
  }
  const std::string_view digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void UploadName(std::uintmax_t number, char (&name)[32]) {
  // By hand, as the new-handler's clean-up may need it: three digits at
  // least, four from the thousandth upload on.
  char digits[24];
  std::size_t count = 0;
  for (; number > 0 || count < 3; number /= 10)
    digits[count++] = static_cast<char>('0' + number % 10);
  char* to = std::copy(std::begin(uploadPrefix), std::end(uploadPrefix) - 1, name);
  while (count > 0) *to++ = digits[--count];
  std::copy(std::begin(uploadSuffix), std::end(uploadSuffix), to);
}

bool RemoveEarlierUploads() {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator entry(".", error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    // A folder of that name is no upload: writing one there fails later.
    std::error_code unknown;  // then it is tried as a file
    if ((IsUploadName(name) || name == adUnitsCheckFilename) && !entry->is_directory(unknown)) {
      names.push_back(name);
    }
  }
  // A folder that can't be listed may hold uploads that would outlive
  // their listing.
  if (error) {
    ReportListingOpenFailure(FailureCause(error));
    return false;
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    if (std::remove(name.c_str()) != 0 && errno != ENOENT) {
      ReportEarlierUpload(name, FailureCause());
      return false;
    }
  }
  return true;
}

bool WriteUploads(const std::vector<bool>& leftOut, std::uintmax_t& files) {
  files = 0;
  std::error_code error;
  const fs::file_type type = fs::status(adUnitsFilename, error).type();
  if (!error && type != fs::file_type::regular) return true;
  std::FILE* const listing = std::fopen(adUnitsFilename.c_str(), "rb");
  if (listing == nullptr) {
    ReportReadFailure(adUnitsFilename, FailureCause());
    return false;
  }
  writingUploads = true;
  uploadsMade = 0;
  std::uintmax_t failed = 0;
  int cause = saidCause;
  const bool written = CopyRows(listing, leftOut, failed, cause);
  const bool listingRead = !std::ferror(listing);
  std::fclose(listing);
  if (!written || !listingRead) {
    char name[32];
    UploadName(failed, name);
    if (written) {
      ReportReadFailure(adUnitsFilename, cause);
    } else {
      ReportWriteFailure(name, cause);
    }
    // Last, so that the lines that name an upload to delete end the run's.
    RemoveUnfinishedUploads();
    return false;
  }
  files = uploadsMade;
  return true;
}

void FinishUploads() { writingUploads = false; }

void RemoveUnfinishedUploads() {
  if (!writingUploads) return;
  writingUploads = false;
  if (openUpload != nullptr) std::fclose(openUpload);
  openUpload = nullptr;
  for (std::uintmax_t number = 1; number <= uploadsMade; ++number) {
    char name[32];
    UploadName(number, name);
    RemoveOrSay(name);
  }
}

void RemoveOrSay(const char* name) {
  if (std::remove(name) == 0 || errno == ENOENT) return;
  const bool noPermissionHere = LastCause() == noPermission;
  // In pieces, as a message here must not need memory.
  std::fputs("Could not remove ", stdout);
  std::fputs(name, stdout);
  std::fputs(", which this run wrote; delete it.\n", stdout);
  if (noPermissionHere) {
    std::fputs(noPermissionBefore, stdout);
    std::fputs(name, stdout);
    std::fputs(noPermissionAfter, stdout);
    std::fputs("\n", stdout);
  }
  std::fflush(stdout);
}
