// The lists and the description table read as text, through the C library
// and, for the table, the system's own reads.

#include "text.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "cause.h"
#include "report.h"
#include "slotwright.h"
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Whether |file| begins as UTF-16 text, with a mark or without.  It reads
// past the first byte only when that byte may begin it, and then goes back to
// the start.  A file that can't go back, a pipe say, has lost what was read
// after a first byte of a mark, and sets |unreadable|; after any other, the
// byte is put back and the file taken as text without a look at the second.
bool StartsAsUtf16(std::FILE* file, bool& unreadable) {
  // Asked before anything is read: a text stream's position after a read
  // may be told only to fseek.
  const bool canGoBack = std::fseek(file, 0, SEEK_SET) == 0;
  const int first = std::getc(file);
  const bool mark = first == 0xFF || first == 0xFE;
  if (!mark && (first == EOF || first >= 0x80 || !canGoBack)) {
    unreadable = std::ferror(file) || (first != EOF && std::ungetc(first, file) == EOF);
    return false;
  }
  const char start[] = {static_cast<char>(first), static_cast<char>(std::getc(file))};
  unreadable = std::ferror(file) || !Rewind(file);
  return IsUtf16Start(std::string_view(start, 2));
}

}  // namespace

std::FILE* OpenText(const std::string& filename, bool* absent) {
  std::FILE* file = std::fopen(filename.c_str(), "r");
  if (file == nullptr && absent != nullptr && errno == ENOENT) {
    *absent = true;
    return nullptr;
  }
  if (file == nullptr) {
    ReportOpenFailure(filename, FailureCause());
    return nullptr;
  }
  bool unreadable = false;
  if (StartsAsUtf16(file, unreadable)) {
    ReportUtf16(filename);
  } else if (unreadable) {
    ReportReadFailure(filename, FailureCause());  // a directory, say, where it opens
  } else {
    return file;
  }
  std::fclose(file);
  return nullptr;
}

bool ReadLine(std::FILE* file, std::string& line) {
  line.clear();
  int c;
  while ((c = std::getc(file)) != EOF && c != '\n') line += static_cast<char>(c);
  return !std::ferror(file) && (c == '\n' || !line.empty());
}

bool ReadEntry(std::FILE* list, std::string& entry, bool first) {
  if (!ReadLine(list, entry) && (std::ferror(list) || !first)) return false;
  if (first && entry.compare(0, byteOrderMark.size(), byteOrderMark) == 0) {
    entry.erase(0, byteOrderMark.size());
  }
  entry = CheckEndString(std::move(entry));
  return true;
}

bool IsRegularFile(std::FILE* file, bool& empty) {
#ifdef _WIN32
  struct _stat64 status;
  const bool regular =
      _fstat64(_fileno(file), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
#else
  struct stat status;
  const bool regular = fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
#endif
  empty = regular && status.st_size == 0;
  return regular;
}

bool Rewind(std::FILE* file) {
  std::clearerr(file);
  return std::fseek(file, 0, SEEK_SET) == 0;
}

#ifdef _WIN32
int OpenPieces(const std::string& filename) { return _open(filename.c_str(), _O_RDONLY | _O_TEXT); }

long ReadPiece(int file, char* to, std::size_t most) {
  return _read(file, to, static_cast<unsigned>(std::min<std::size_t>(most, 1 << 30)));
}

void ClosePieces(int file) { _close(file); }
#else
int OpenPieces(const std::string& filename) { return open(filename.c_str(), O_RDONLY | O_CLOEXEC); }

long ReadPiece(int file, char* to, std::size_t most) {
  ssize_t got;
  while ((got = read(file, to, most)) < 0 && errno == EINTR) {
  }
  return static_cast<long>(got);
}

void ClosePieces(int file) { close(file); }
#endif
