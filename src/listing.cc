// The unit listing on disk: found, probed, opened, cut back after a failed
// row and removed where this run made it and it holds no row.

#include "listing.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include "cause.h"
#include "report.h"
#include "slotwright.h"
#include "stop.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// The listing that this run made and that holds no whole row yet: the file
// itself, at the end of a link where the listing is one.  Both paths are
// made before the file is, so that removing it needs no memory.
bool unfinished = false;
fs::path unfinishedPath;
fs::path listingName;

// Whether there is a listing, at the end of a link where it is one; nothing
// where the file system can't say (an error other than "no such file"), and
// |cause| says why.
std::optional<bool> ListingExists(int& cause) {
  std::error_code error;
  const bool exists = fs::exists(adUnitsFilename, error);
  if (!error) return exists;
  cause = FailureCause(error);
  return std::nullopt;
}

// The file that the listing's name leads to: the name itself, or the end of
// its chain of links.  Nothing where a link can't be read, and |cause| says
// why.
std::optional<fs::path> ListingTarget(int& cause) {
  fs::path target = adUnitsFilename;
  for (int links = 0; links < 40; ++links) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (!error || status.type() == fs::file_type::not_found) {
      if (!fs::is_symlink(status)) return target;
      const fs::path next = fs::read_symlink(target, error);
      if (!error) {
        target = next.is_absolute() ? next : target.parent_path() / next;
        continue;
      }
    }
    cause = FailureCause(error);
    return std::nullopt;
  }
  cause = linkLoop;
  return std::nullopt;
}

std::FILE* OpenExisting(const char* mode, int& cause) {
  std::FILE* file = std::fopen(adUnitsFilename.c_str(), mode);
  if (file == nullptr) cause = FailureCause();
  if (file != nullptr) std::setvbuf(file, nullptr, _IONBF, 0);
  return file;
}

// Removes the unfinished listing: by its path, and else by the listing's
// name where that is no link.  Whether it is gone.
bool RemoveUnfinished() {
  std::error_code error;
  if (fs::remove(unfinishedPath, error) || !error) return true;
  const bool link = fs::is_symlink(fs::symlink_status(listingName, error));
  return !error && !link && (fs::remove(listingName, error) || !error);
}

// Makes the listing where there was none, counted as unfinished from before
// the file exists.  Nothing where it can't, or where something turns out to
// stand there (|exists| is then set).
std::FILE* CreateListing(bool& exists, int& cause) {
  const std::optional<fs::path> target = ListingTarget(cause);
  if (!target) return nullptr;
  unfinishedPath = *target;
  listingName = adUnitsFilename;
  unfinished = true;
  bool created = false;  // it is unfinished already
  std::FILE* file = CreateNewFile(unfinishedPath, exists, created, false);
  if (file == nullptr) {
    cause = FailureCause();  // before the removal
  } else {
    // Without a buffer, a failed write leaves nothing behind to be written
    // at the close.
    std::setvbuf(file, nullptr, _IONBF, 0);
  }
  if (file == nullptr && (exists || RemoveUnfinished())) unfinished = false;
  return file;
}

// Cuts the listing to |size| bytes: by the open file, and else by its name;
// closes it.  Whether it holds no part of a row now.
bool CutBack(std::FILE* listing, std::uintmax_t size) {
  bool cut = false;
  if (listing != nullptr) {
#ifdef _WIN32
    cut = _chsize_s(_fileno(listing), static_cast<long long>(size)) == 0;
#else
    cut = ftruncate(fileno(listing), static_cast<off_t>(size)) == 0;
#endif
    std::fclose(listing);
  }
  if (cut) return true;
  const fs::path path = unfinished ? unfinishedPath : fs::path(adUnitsFilename);
  std::error_code error;
  fs::resize_file(path, size, error);
  if (!error) return true;
  // A device or a pipe can't be cut, but keeps no part of a row either.
  const fs::file_type type = fs::status(path, error).type();
  return !error && type != fs::file_type::regular;
}

// Opens an earlier listing with |mode|, or makes one where there was none.
// Nothing where it can't, and |cause| says why.
std::FILE* OpenOrCreate(const char* mode, int& cause) {
  std::optional<bool> exists = ListingExists(cause);
  if (!exists) return nullptr;
  std::FILE* listing = nullptr;
  if (!*exists) listing = CreateListing(*exists, cause);
  if (*exists) listing = OpenExisting(mode, cause);
  return listing;
}

}  // namespace

std::FILE* CreateNewFile(const fs::path& path, bool& existed, bool& created, bool binary) {
#ifdef _WIN32
  const int fd =
      _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | (binary ? _O_BINARY : _O_TEXT),
             _S_IREAD | _S_IWRITE);
  existed = fd < 0 && errno == EEXIST;
  created = fd >= 0;
  std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, binary ? "wb" : "w");
  const int error = errno;  // the close mustn't hide why the stream failed
  if (fd >= 0 && file == nullptr) _close(fd);
#else
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  existed = fd < 0 && errno == EEXIST;
  created = fd >= 0;
  std::FILE* file = fd < 0 ? nullptr : fdopen(fd, binary ? "wb" : "w");
  const int error = errno;  // the close mustn't hide why the stream failed
  if (fd >= 0 && file == nullptr) close(fd);
#endif
  errno = error;
  return file;
}

bool ListingIsAnInput() {
  for (const std::string* input : {&sitesFilename, &sectionsFilename, &adSizesFilename,
                                   &adDescriptionFilename, &existingCodesFilename}) {
    std::error_code ignored;
    if (fs::equivalent(adUnitsFilename, *input, ignored)) {
      ReportListingIsInput(*input);
      return true;
    }
  }
  return false;
}

bool CanWriteListing(int& cause) {
  BeginChange();
  // Opened to append, an earlier listing is left as it was.
  std::FILE* const file = OpenOrCreate("a", cause);
  if (file != nullptr) {
    std::fclose(file);
    // Where it stays, it is the run's to remove at its end.
    if (unfinished && RemoveUnfinished()) unfinished = false;
  }
  EndChange();
  return file != nullptr;
}

std::FILE* OpenListing(int& cause) { return OpenOrCreate("w", cause); }

void FinishListing() { unfinished = false; }

bool AbandonListing(std::FILE* listing, std::uintmax_t listed) {
  if (!unfinished) return CutBack(listing, listed);
  std::fclose(listing);
  if (RemoveUnfinished()) {
    unfinished = false;
    return true;
  }
  // Emptied, it stays unfinished: the run's end tries again, and says so.
  unfinished = CutBack(nullptr, 0);
  return unfinished;
}

void RemoveUnfinishedListing() {
  if (unfinished && !RemoveUnfinished()) {
    // In pieces, as a message here must not need memory.
    std::fputs("Could not remove the empty ", stdout);
    std::fputs(adUnitsFilename.c_str(), stdout);
    std::fputs(", which this run created; delete it.\n", stdout);
    std::fflush(stdout);
  }
  unfinished = false;
}
