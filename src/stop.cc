// Stop signals on every system: at once, or once the change to the listing
// under way is complete.

#include "stop.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include "console.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>  // sigaction, to see what was ignored before installing anything
#endif

namespace {

// The run is idle, changing the listing, holding the signal that came
// meanwhile, or being ended by a signal.  A lock-free atomic may be used in
// a handler, and on the handler's own thread.
constexpr int idle = 0;
constexpr int changing = -1;
constexpr int ending = -2;
std::atomic<int> state{idle};
static_assert(ATOMIC_INT_LOCK_FREE == 2, "the stop-signal handler needs a lock-free int");

// Raised again with its default action, the signal tells the parent what
// ended the run.  In a handler it stays blocked until the handler returns.
void EndAsSignalled(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Waits for the end that a signal's handler brings about on its own thread.
[[noreturn]] void AwaitTheEnd() {
  for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD event) {
  int signal = SIGTERM;  // the console closes, the user logs off, the system shuts down
  if (event == CTRL_C_EVENT) signal = SIGINT;
  if (event == CTRL_BREAK_EVENT) signal = SIGBREAK;
  if (event > CTRL_SHUTDOWN_EVENT) return FALSE;
  if (signal == SIGTERM) {
    int runStatus = 1;
    const bool waits = WaitsForEnter(runStatus);
    const int status = StatusOnClose(waits, runStatus);
    if (status >= 0) ExitProcess(static_cast<UINT>(status));
  }
  if (StopsAtOnce(signal)) EndAsSignalled(signal);
  // Windows ends the process as soon as this returns for a console that
  // closes: the change under way is to be complete first, and EndChange
  // then ends the process (within the seconds that Windows grants).
  if (signal == SIGTERM) AwaitTheEnd();
  return TRUE;
}
#else
// Every signal that ends a process by default and can be caught, but those
// that report a fault of the program itself, and SIGQUIT, which asks for a
// core at once.
const int stopSignals[] = {
    SIGINT,  SIGTERM, SIGHUP, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
};

extern "C" void OnStopSignal(int signal) {
  if (StopsAtOnce(signal)) EndAsSignalled(signal);
}
#endif

}  // namespace

void CatchStopSignals() {
#ifdef _WIN32
  // A process started with Ctrl+C ignored is not told of it.
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
  for (const int signal : stopSignals) {
    struct sigaction action = {};
    if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) continue;
    // The handler returns only during a change, whose write is then carried
    // on to its end rather than failed.
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
  }
#endif
}

bool StopsAtOnce(int signal) {
  int seen = state.load();
  for (;;) {
    const int next = seen == changing ? signal : ending;
    if (state.compare_exchange_weak(seen, next)) return next == ending;
  }
}

bool StopNoted() { return state.load() > 0; }

bool TryBeginChange() {
  int expected = idle;
  return state.compare_exchange_strong(expected, changing);
}

void BeginChange() {
  if (!TryBeginChange()) AwaitTheEnd();
}

void EndChange() {
  const int noted = state.exchange(idle);
  if (noted > 0) EndAsSignalled(noted);
}
