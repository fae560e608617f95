// The end of a run whose memory ran out, wherever it happens: what the run
// made and hasn't finished goes, and the failure is said.
#ifndef SLOTWRIGHT_OUT_OF_MEMORY_H_
#define SLOTWRIGHT_OUT_OF_MEMORY_H_

// Removes a listing that the run made and that holds no row, and the uploads
// it is writing, reports that memory ran out and ends the process with
// status 1.  It allocates nothing, so it can serve as the new-handler.
[[noreturn]] void ExitOutOfMemory();

#endif  // SLOTWRIGHT_OUT_OF_MEMORY_H_
