// The end by memory: the clean-up of every unfinished file, then the
// failure's lines, without an allocation.

#include "out_of_memory.h"

#include <cstdio>
#include <cstdlib>

#include "console.h"
#include "findings.h"
#include "listing.h"
#include "report.h"
#include "uploads.h"

void ExitOutOfMemory() {
  RemoveUnfinishedListing();
  RemoveUnfinishedUploads();
  RemoveUnfinishedFindings();
  std::fputs("Could not generate the ad units. Be sure that there is enough free memory.\n",
             stdout);
  std::fputs(helpHint, stdout);
  std::fputs("\n", stdout);
  std::fflush(stdout);
  KeepWindowOpen();
  // Every row is flushed as it is made; nothing else needs to run.
  std::_Exit(1);
}
