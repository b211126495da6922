#pragma once
#include <cstdint>

// The one seam for the millisecond timer: everything that reads the time asks
// nowMs(), so tests can swap in a fake clock and replay motion exactly.
// Game time stands still while paused: nowMs() leaves out every paused span, so
// nothing that counts time (motion, animations, the level clock) needs to know.
class Clock {
 public:
  uint32_t ticks() const;
  // With `msPerRead`, every read moves the fake clock on, as the real one moves
  // while a pass runs.
  void useFake(uint32_t startMs, uint32_t msPerRead = 0);
  void useReal();
  void advance(uint32_t ms);  // fake clock only; wraps like the real timer
  // Returns once ticks() has reached `tick`: the real clock sleeps, the fake
  // one jumps ahead. A tick already passed returns at once. While paused, game
  // time cannot get there: it waits as long in real time instead.
  void waitUntil(uint32_t tick);
  void pause();
  void resume();
  bool paused() const { return isPaused; }

 private:
  uint32_t rawTicks() const;
  void sleep(uint32_t ms);

  bool fake = false;
  mutable uint32_t fakeNow = 0;
  uint32_t fakeStep = 0;  // ms per read
  bool isPaused = false;
  uint32_t pausedAt = 0;     // raw tick when the pause began
  uint32_t pausedTotal = 0;  // ms of every finished pause
};

extern Clock gameClock;

inline uint32_t nowMs() { return gameClock.ticks(); }
