#include <algorithm>
#include <cstdint>

#include "extras/Extra.h"
#include "player/Player.h"

namespace {

// Frames of the sheet (px).
const SDL_Rect kHazardFrame = {0, 150, 50, 50};
const SDL_Rect kNutFrame = {0, 550, 50, 50};
const SDL_Rect kTrapIdleFrame = {0, 250, 50, 50};
const SDL_Rect kTrapStruckFrames[2] = {{50, 250, 50, 50}, {100, 250, 50, 50}};
const SDL_Rect kExitFrames[2] = {{0, 350, 150, 145}, {143, 350, 150, 145}};  // the second starts at 143
const SDL_Rect kAnimalIdleFrames[2] = {{0, 500, 50, 50}, {50, 500, 50, 50}};
const SDL_Rect kAnimalRescuedFrame = {100, 500, 50, 50};

const uint32_t kFrameMs = 100;     // each frame of a two-frame animation
const uint32_t kRiseEveryMs = 10;  // a rescued animal rises only on frames further apart than this
const int kSpentTrapY = -100;      // px; out of the level for good

// Two frames of 100 ms each, then the cycle starts again.
SDL_Rect cycleFrame(Extra& extra, const SDL_Rect (&frames)[2], uint32_t now) {
  const uint32_t elapsed = now - extra.animStart;
  if (elapsed < kFrameMs) return frames[0];
  if (elapsed < 2 * kFrameMs) return frames[1];
  extra.animStart = now;  // timed: animation restart
  return frames[0];
}

SDL_Rect trapFrame(Extra& trap, uint32_t now) {
  if (!trap.triggered) {
    trap.animStart = now;  // timed: animation restart, held at zero until the touch
    return kTrapIdleFrame;
  }
  const uint32_t elapsed = now - trap.animStart;
  if (elapsed < kFrameMs) return kTrapStruckFrames[0];
  if (elapsed < 2 * kFrameMs) return kTrapStruckFrames[1];
  trap.y = kSpentTrapY;  // timed: the spent trap's removal
  return kTrapIdleFrame;
}

SDL_Rect animalFrame(Extra& animal, uint32_t now) {
  if (!animal.rescued) return cycleFrame(animal, kAnimalIdleFrames, now);
  if (now - animal.animStart > kRiseEveryMs) {
    // timed: the rescued animal's rise, at most one pixel per frame
    animal.animStart = now;
    animal.y -= 1;
  }
  return kAnimalRescuedFrame;
}

SDL_Rect chooseFrame(Extra& extra, uint32_t now) {
  switch (extra.type) {
    case Hazard:
      return kHazardFrame;
    case Nut:
      return kNutFrame;
    case DeadlyHazard:
      return trapFrame(extra, now);
    case LevelExit:
      return cycleFrame(extra, kExitFrames, now);
    default:
      return animalFrame(extra, now);  // unknown types look like animals
  }
}

// Level to screen, cut toward zero, then held within the blit's 16 bits: wrapped,
// an animal that rose far above the view would come back across the screen.
Sint16 toScreen(int level, float view) {
  int onScreen = static_cast<int>(static_cast<float>(level) - view);
  return static_cast<Sint16>(std::clamp(onScreen, INT16_MIN, INT16_MAX));
}

}  // namespace

// Off-screen extras are drawn too; the blit clips them.
void Extra::draw(SDL_Surface* screen, uint32_t now) {
  // The position is taken before the timed changes, so a move of y shows next frame.
  const Sint16 sx = toScreen(x, playerX());
  const Sint16 sy = toScreen(y, playerY());
  srcRect = chooseFrame(*this, now);
  dstRect = {sx, sy, srcRect.w, srcRect.h};
  if (!sheet) return;
  SDL_Rect src = srcRect;  // the blit clips its own copies
  SDL_Rect dst = dstRect;
  SDL_BlitSurface(sheet, &src, screen, &dst);
}
