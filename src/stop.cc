#include "stop.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void NoteStopSignal(int signal) { stopSignal = signal; }

const int stopSignals[] = {
    SIGINT,
    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
#ifdef SIGBREAK
    SIGBREAK,
#endif
};

}  // namespace

void CatchStopSignals() {
  for (const int signal : stopSignals) {
    if (std::signal(signal, NoteStopSignal) == SIG_IGN) std::signal(signal, SIG_IGN);
  }
}

void StopIfSignalled() {
  if (stopSignal == 0) return;
  // The default action, raised again, tells the parent what stopped the run.
  std::signal(stopSignal, SIG_DFL);
  std::raise(stopSignal);
}
