#include "platform/Clock.h"

#include <SDL/SDL.h>

namespace {
// The browser runs each pass from its own frame timer and cannot sleep without
// unwinding the stack: there a real wait returns at once, and the next pass
// comes with the next frame.
#ifdef __EMSCRIPTEN__
const bool kBrowserPaces = true;
#else
const bool kBrowserPaces = false;
#endif
}  // namespace

// Constant-initialised, so objects built before main may already read it.
Clock gameClock;

uint32_t Clock::rawTicks() const { return fake ? fakeNow += fakeStep : SDL_GetTicks(); }

uint32_t Clock::ticks() const { return (isPaused ? pausedAt : rawTicks()) - pausedTotal; }

// A switch of timer starts afresh: the old timer's pauses mean nothing to the new one.
void Clock::useFake(uint32_t startMs, uint32_t msPerRead) {
  fake = true;
  fakeNow = startMs;
  fakeStep = msPerRead;
  isPaused = false;
  pausedTotal = 0;
}

void Clock::useReal() {
  fake = false;
  isPaused = false;
  pausedTotal = 0;
}

void Clock::advance(uint32_t ms) { fakeNow += ms; }

void Clock::pause() {
  if (isPaused) return;
  pausedAt = rawTicks();
  isPaused = true;
}

void Clock::resume() {
  if (!isPaused) return;
  pausedTotal += rawTicks() - pausedAt;
  isPaused = false;
}

void Clock::sleep(uint32_t ms) {
  if (fake) {
    fakeNow += ms;
  } else if (!kBrowserPaces) {
    SDL_Delay(ms);
  }
}

namespace {
// Ticks still to wait; the signed difference survives a wrap of the timer.
int32_t msUntil(uint32_t tick, uint32_t now) { return static_cast<int32_t>(tick - now); }
}  // namespace

void Clock::waitUntil(uint32_t tick) {
  int32_t left = msUntil(tick, ticks());
  if (isPaused || fake) {
    if (left > 0) sleep(static_cast<uint32_t>(left));
    return;
  }
  if (kBrowserPaces) return;
  // Sleep the whole wait, then again for whatever an early wake-up left.
  for (; left > 0; left = msUntil(tick, ticks())) SDL_Delay(static_cast<Uint32>(left));
}
