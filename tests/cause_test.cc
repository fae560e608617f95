// The cause of a failed call, told from errno and the system's own error:
// on Windows EACCES stands for a file that another program holds, shared
// (32) or locked (33), a write-protected disk (19), or a want of permission.

#include "cause.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(CauseTest, TellsWhatTheFailureLinesDontSay) {
  const struct {
    int error;
    unsigned long systemError;
    int cause;
  } cases[] = {
      {EACCES, 32, heldElsewhere},  // a sharing violation: Excel holds it
      {EACCES, 33, heldElsewhere},  // a lock violation: a byte of it locked
      {EACCES, 19, readOnlyDisk},   // a write-protected disk
      {EACCES, 5, noPermission},    // access denied
      {EACCES, 0, noPermission},
      {EPERM, 0, noPermission},
      {EIO, 0, diskError},
      {EMFILE, 0, noOpenFiles},
      {ENFILE, 0, noOpenFiles},
      {ENOSPC, 0, saidCause},  // the failure line speaks of free space
      {ENOENT, 0, saidCause},
      {EIO, 32, diskError},  // the system's error counts only beside EACCES
  };
  for (const auto& [error, systemError, cause] : cases) {
    EXPECT_EQ(CauseOf(error, systemError), cause) << error << ' ' << systemError;
  }
}

}  // namespace
