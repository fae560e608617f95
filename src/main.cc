// Slotwright: turns lists of sites, sections and ad sizes into an ad unit
// listing ready for import.

#include <csignal>

#include "options.h"
#include "run.h"

int main(int argc, char* argv[]) {
#ifdef SIGPIPE
  // A console reader that goes away must not cost the listing its rows: the
  // echo then fails quietly and the run goes on.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  if (argc <= 1) return GenerationRun();
  return DispatchOption(argv[1]);
}
