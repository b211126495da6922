#include "shell/Clock.h"

#include <SDL/SDL.h>

// Constant-initialised, so objects built before main may already read it.
Clock gameClock;

uint32_t Clock::ticks() const { return fake ? fakeNow : SDL_GetTicks(); }

void Clock::useFake(uint32_t startMs) {
  fake = true;
  fakeNow = startMs;
}

void Clock::advance(uint32_t ms) { fakeNow += ms; }

