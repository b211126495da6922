#include "RandomKeys.h"

#include "Harness.h"

namespace {
// Movement keys come often, menu and letter keys now and then; never Escape.
const SDLKey kOften[] = {SDLK_RIGHT, SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_SPACE, SDLK_DOWN, SDLK_LSHIFT, SDLK_z};
const SDLKey kSometimes[] = {SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_LCTRL, SDLK_a,
                             SDLK_q, SDLK_m,  SDLK_0, SDLK_8, SDLK_9, SDLK_F1, SDLK_RSHIFT, SDLK_BACKSPACE,
                             SDLK_RETURN, SDLK_KP1, SDLK_y};
const int kPressPercent = 12;    // chance of a new press in a frame
const int kMaxHoldFrames = 90;
}  // namespace

RandomKeys::RandomKeys(unsigned seed) : random(seed) {}

SDLKey RandomKeys::pick() {
  if (random() % 4 != 0) return kOften[random() % (sizeof kOften / sizeof kOften[0])];
  return kSometimes[random() % (sizeof kSometimes / sizeof kSometimes[0])];
}

void RandomKeys::pressSome() {
  for (size_t i = 0; i < held.size();) {
    if (--held[i].framesLeft <= 0) {
      pushKey(held[i].key, false);
      held.erase(held.begin() + long(i));
    } else {
      ++i;
    }
  }
  if (int(random() % 100) < kPressPercent) {
    SDLKey key = pick();
    for (const Held& h : held)
      if (h.key == key) return;  // a held key cannot go down twice
    pushKey(key, true);
    held.push_back({key, 1 + int(random() % kMaxHoldFrames)});
  }
}

uint32_t RandomKeys::frameMs() {
  uint32_t r = random() % 100;
  if (r < 2) return 150;  // a stall: longer than the movers' cap
  return 4 + random() % 30;
}
