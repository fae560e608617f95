// Why a call of the system failed, told from errno and, on Windows, the
// system's own error, and the line that names it.

#include "cause.h"

#include <cerrno>
#include <new>

#ifdef _WIN32
#include <windows.h>
#endif

const char noPermissionBefore[] = "This user account may not change ";
const char noPermissionAfter[] = " or the folder that holds it (permission denied).";

int CauseOf(int error, unsigned long systemError) {
  // Windows says EACCES for a file that another program holds, and for a
  // disk that is write-protected.
  constexpr unsigned long sharingViolation = 32, lockViolation = 33, writeProtect = 19;
  if (error == EACCES && (systemError == sharingViolation || systemError == lockViolation)) {
    return heldElsewhere;
  }
  if (error == EACCES && systemError == writeProtect) return readOnlyDisk;
  switch (error) {
    case EACCES:
    case EPERM:
      return noPermission;
    case EIO:
      return diskError;
    case EMFILE:
    case ENFILE:
      return noOpenFiles;
#ifdef EROFS
    case EROFS:
      return readOnlyDisk;
#endif
#ifdef ELOOP
    case ELOOP:
      return linkLoop;
#endif
    default:
      return saidCause;
  }
}

int LastCause() {
  unsigned long systemError = 0;
#ifdef _WIN32
  systemError = GetLastError();
#endif
  return CauseOf(errno, systemError);
}

int FailureCause() {
  const int cause = LastCause();
  if (errno == ENOMEM) {
    if (const std::new_handler handler = std::get_new_handler()) handler();
  }
  return cause;
}

int FailureCause(const std::error_code& error) {
  if (error == std::errc::not_enough_memory) {
    if (const std::new_handler handler = std::get_new_handler()) handler();
  }
  return CauseOf(error.value(), 0);
}

std::string CauseLine(int cause, const std::string& filename) {
  switch (cause) {
    case diskError:
      return "The disk reported an error (an input/output error) with " + filename + ".";
    case noOpenFiles:
      return "The system had no more open files to give (too many open files).";
    case readOnlyDisk:
      return filename + " is on a disk that can't be written (a read-only file system).";
    case linkLoop:
      return filename + " is a link that leads in a loop.";
    case noPermission:
      return noPermissionBefore + filename + noPermissionAfter;
    case heldElsewhere:
      return filename +
             " is open in another program (Excel, say); close it there, then start Slotwright "
             "again.";
    default:
      return "";
  }
}
