#include "platform/StopRequest.h"

#include <signal.h>

#include <atomic>

namespace {
// Read by the painter thread as well: an atomic that needs no lock is also
// safe to set from a signal handler.
std::atomic<bool> stopFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler may not lock");

void onStopSignal(int) { requestStop(); }
}  // namespace

void catchStopSignals() {
  struct sigaction action = {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // file reads and waits go on; the loop notices the flag
  // Caught even when inherited as blocked, and SIGTERM even when inherited as
  // ignored: a blocked one that came before the handler was in place is
  // delivered to it now. A SIGINT inherited as ignored was meant not to reach
  // the game (a script's background job, nohup): it stays ignored.
  sigaction(SIGTERM, &action, nullptr);
  struct sigaction inherited;
  if (sigaction(SIGINT, nullptr, &inherited) != 0 || inherited.sa_handler != SIG_IGN)
    sigaction(SIGINT, &action, nullptr);
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGINT);
  sigprocmask(SIG_UNBLOCK, &stops, nullptr);
}

bool stopRequested() { return stopFlag.load(std::memory_order_relaxed); }

void requestStop() { stopFlag.store(true, std::memory_order_relaxed); }

void clearStopRequest() { stopFlag.store(false, std::memory_order_relaxed); }
