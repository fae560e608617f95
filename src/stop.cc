#include "stop.h"

#include <atomic>
#include <csignal>

#ifndef _WIN32
#include <signal.h>  // sigaction, to see what was ignored before installing anything
#endif

namespace {

// The run is idle, changing the listing, or holding the signal that came
// meanwhile.  On Windows the handler runs on a thread of its own, so this is
// an atomic; a lock-free one may be used in a handler.
constexpr int idle = 0;
constexpr int changing = -1;
std::atomic<int> state{idle};
static_assert(ATOMIC_INT_LOCK_FREE == 2, "the stop-signal handler needs a lock-free int");

// Every signal that ends a process by default and can be caught, but those
// that report a fault of the program itself, and SIGQUIT, which asks for a
// core at once.
const int stopSignals[] = {
    SIGINT,    SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
#ifdef SIGALRM
    SIGALRM,
#endif
#ifdef SIGUSR1
    SIGUSR1,
#endif
#ifdef SIGUSR2
    SIGUSR2,
#endif
#ifdef SIGVTALRM
    SIGVTALRM,
#endif
#ifdef SIGPROF
    SIGPROF,
#endif
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGBREAK
    SIGBREAK,
#endif
};

// Raised again with its default action, the signal tells the parent what
// ended the run.  In a handler it stays blocked until the handler returns.
void EndAsSignalled(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

extern "C" void OnStopSignal(int signal) {
  int expected = changing;
  if (!state.compare_exchange_strong(expected, signal)) EndAsSignalled(signal);
}

}  // namespace

void CatchStopSignals() {
  for (const int signal : stopSignals) {
#ifdef _WIN32
    // A Windows program starts with every signal at its default.
    std::signal(signal, OnStopSignal);
#else
    struct sigaction action = {};
    if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) continue;
    // The handler returns only during a change, whose write is then carried
    // on to its end rather than failed.
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
#endif
  }
}

void BeginChange() { state.store(changing); }

void EndChange() {
  const int noted = state.exchange(idle);
  if (noted > 0) EndAsSignalled(noted);
}
