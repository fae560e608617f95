// The import check said: after a run that completed, the lines that say
// what the ad server would refuse in its units and what the lists may not
// have meant, each naming the entries to change, and ad_units_check.csv,
// every entry and unit behind them, one a row.  It reads what check.h noted
// and changes none of it.
//
// Entries are shown with the characters that a terminal doesn't show made
// visible, <U+00A0> or <0xFC>; the findings file keeps them as they are, and
// names every entry and unit behind a finding, where a line names five.
#ifndef SLOTWRIGHT_FINDINGS_H_
#define SLOTWRIGHT_FINDINGS_H_

#include <cstdint>

// After a run that completed with a finding: writes the findings file,
// ad_units_check.csv, a row for every entry and unit that the check names
// (|written| says whether it did).  Where it can't, it leaves none and
// returns false; |cause| says why (see cause.h).  Until FinishFindings, the
// file counts as unfinished.
bool WriteFindings(bool& written, int& cause);

// The findings file written stays, however the run ends from now on.
void FinishFindings();

// Removes the findings file that this run is writing or hasn't finished, if
// any; says so where it can't.  It allocates nothing, so that the
// new-handler may call it.
void RemoveUnfinishedFindings();

// After a run that completed: says what the ad server would refuse in the
// units noted, if anything, and where it comes from; which of the |uploads|
// written to upload; and where the findings file is, where it was written.
void PrintImportCheck(std::uintmax_t uploads, bool findingsWritten);

#endif  // SLOTWRIGHT_FINDINGS_H_
