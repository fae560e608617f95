#include "out_of_memory.h"

#include <cstdio>
#include <cstdlib>

#include "check.h"
#include "console.h"
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
