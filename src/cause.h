// Why a call of the system failed, as far as a user can act on it.  The
// failure lines of the program speak of a file that is missing, unreadable
// or a folder, of permissions and of free space; where the system's reason
// is another, one more line names it.
#ifndef SLOTWRIGHT_CAUSE_H_
#define SLOTWRIGHT_CAUSE_H_

#include <string>
#include <system_error>

// The causes that a line of their own names.
constexpr int saidCause = 0;      // the failure line says it, or nothing more can be said
constexpr int diskError = 1;      // an input/output error
constexpr int noOpenFiles = 2;    // too many open files, for the process or the system
constexpr int readOnlyDisk = 3;   // a read-only file system
constexpr int linkLoop = 4;       // a loop of symbolic links
constexpr int heldElsewhere = 5;  // on Windows, another program holds the file
constexpr int noPermission = 6;   // the user may not change the file or its folder

// The cause of |error|, a value of errno, and on Windows of |systemError|,
// the system's own code for the same failure.
int CauseOf(int error, unsigned long systemError);

// The cause of the call that failed last, from errno and, on Windows, the
// system's last error; read at once after the call.  It allocates nothing
// and calls nothing, so that the clean-ups at the end by memory may use it.
int LastCause();

// The cause of the call that failed last, from errno and, on Windows, the
// system's last error; read at once after the call.  Memory that ran out
// ends the run as memory that runs out anywhere does, through the
// new-handler.
int FailureCause();

// The cause of |error|, from the standard library's file system calls;
// memory that ran out ends the run as FailureCause says.
int FailureCause(const std::error_code& error);

// The line that names noPermission, in two pieces around the file's name,
// for the clean-ups that may not allocate.
extern const char noPermissionBefore[];
extern const char noPermissionAfter[];

// The line that names |cause| for |filename|; empty for saidCause.
std::string CauseLine(int cause, const std::string& filename);

#endif  // SLOTWRIGHT_CAUSE_H_
