#pragma once
#include <cstdint>

// The one seam for the millisecond timer: everything that reads the time asks
// nowMs(), so tests can swap in a fake clock and replay motion exactly.
class Clock {
 public:
  uint32_t ticks() const;
  void useFake(uint32_t startMs);
  void useReal();
  void advance(uint32_t ms);  // fake clock only; wraps like the real timer
  // Returns once ticks() has reached `tick`: the real clock sleeps, the fake
  // one jumps ahead. A tick already passed returns at once.
  void waitUntil(uint32_t tick);

 private:
  bool fake = false;
  uint32_t fakeNow = 0;
};

extern Clock gameClock;

inline uint32_t nowMs() { return gameClock.ticks(); }
