// Slotwright: turns lists of sites, sections and ad sizes into an ad unit
// listing ready for import.

#include <csignal>
#include <cstdlib>
#include <new>

#include "console.h"
#include "options.h"
#include "out_of_memory.h"
#include "run.h"

int main(int argc, char* argv[]) {
  // Memory that runs out is a failure like the others, reported on standard
  // output, not an abort.
  std::set_new_handler(ExitOutOfMemory);
  // A console reader that goes away must not cost the listing its rows, and
  // a file-size limit must not kill the run in the middle of a row: the write
  // then fails, and the run reports it.
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // However the process ends but by a signal, a window that Explorer opened
  // for it stays until it has been read: this runs after every other
  // handler at exit.
  NoteHowStarted();
  std::atexit(KeepWindowOpen);
  const int status = argc <= 1 ? GenerationRun() : DispatchOption(argv[1]);
  NoteExitStatus(status);
  return status;
}
