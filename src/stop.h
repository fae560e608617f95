// Stop signals: Ctrl+C, a closed terminal, kill, a timer, a job scheduler's
// notice; on Windows Ctrl+C, Ctrl+Break and a console that closes, a user who
// logs off or a system that shuts down.  One ends a run at once, as it would
// end any program, unless it comes while the run changes the listing: then
// it waits until that change is complete, so that the listing never holds a
// torn row and no listing is left where there was none.
#ifndef SLOTWRIGHT_STOP_H_
#define SLOTWRIGHT_STOP_H_

// From now on a stop signal ends the process as its default action would,
// or waits as above; one that was ignored when the program started, as under
// nohup, stays ignored.
void CatchStopSignals();

// Brackets a change to the listing.  A stop signal between the two is noted
// and ends the process at EndChange; a second one ends it at once.
void BeginChange();
void EndChange();

// Whether a stop signal came during the change under way, so that a long
// change may undo what it did and end at once.
bool StopNoted();

// The decision, taken in one atomic step with the run's own, since on
// Windows the signal comes on a thread of its own: whether |signal| ends the
// process at once (no change under way, or a signal noted already), or is
// noted for EndChange.  Once it has said "at once", no change begins.
bool StopsAtOnce(int signal);

// Begins a change unless a signal is ending the process; BeginChange waits
// for that end instead.
bool TryBeginChange();

#endif  // SLOTWRIGHT_STOP_H_
