// The generation run: every combination of site, section and size becomes a
// row of the unit listing, echoed on standard output.
#ifndef SLOTWRIGHT_RUN_H_
#define SLOTWRIGHT_RUN_H_

// Writes the three-line version banner.
void Version();

// Reads the three lists from the current directory, writes the unit listing
// and returns the exit status: 0 when every unit was written, 1 when the run
// stopped on a failure it has reported.
int GenerationRun();

#endif  // SLOTWRIGHT_RUN_H_
