#include "platform/Clock.h"

#include <SDL/SDL.h>

// Constant-initialised, so objects built before main may already read it.
Clock gameClock;

uint32_t Clock::ticks() const { return fake ? fakeNow : SDL_GetTicks(); }

void Clock::useFake(uint32_t startMs) {
  fake = true;
  fakeNow = startMs;
}

void Clock::useReal() { fake = false; }

void Clock::advance(uint32_t ms) { fakeNow += ms; }

namespace {
// Ticks still to wait; the signed difference survives a wrap of the timer.
int32_t msUntil(uint32_t tick, uint32_t now) { return static_cast<int32_t>(tick - now); }
}  // namespace

void Clock::waitUntil(uint32_t tick) {
  if (fake) {
    if (msUntil(tick, fakeNow) > 0) fakeNow = tick;
    return;
  }
  // Sleep the whole wait, then again for whatever an early wake-up left.
  for (int32_t left = msUntil(tick, SDL_GetTicks()); left > 0; left = msUntil(tick, SDL_GetTicks()))
    SDL_Delay(static_cast<Uint32>(left));
}
