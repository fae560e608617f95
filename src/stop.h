// Stop signals (Ctrl+C, a closed terminal, kill; Ctrl+Break on Windows) end a
// run between two rows, so that the listing never holds a torn one.
#ifndef SLOTWRIGHT_STOP_H_
#define SLOTWRIGHT_STOP_H_

// From now on a stop signal only notes itself, unless it was ignored when the
// program started, as under nohup.
void CatchStopSignals();

// Ends the process as the noted stop signal would have ended it, if one came.
void StopIfSignalled();

#endif  // SLOTWRIGHT_STOP_H_
