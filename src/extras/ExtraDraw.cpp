#include <algorithm>
#include <cstdint>

#include "extras/Extra.h"
#include "platform/Blit.h"
#include "platform/Layout.h"
#include "player/View.h"

namespace {

SDL_Rect rectOf(SheetRect r) {
  return {static_cast<Sint16>(r.x), static_cast<Sint16>(r.y), static_cast<Uint16>(r.w),
          static_cast<Uint16>(r.h)};
}

// Frame k of a run of square cells.
SDL_Rect runFrame(SheetRun run, int k) {
  const int cell = extrasSheet::kCell;
  return rectOf({run.x + k * cell, run.y, cell, cell});
}

// Frames of the sheet.
const SDL_Rect kHazardFrame = rectOf(extrasSheet::kThorn);
const SDL_Rect kNutFrame = rectOf(extrasSheet::kNut);
const SDL_Rect kTrapIdleFrame = runFrame(extrasSheet::kTrap, 0);
const SDL_Rect kTrapStruckFrames[2] = {runFrame(extrasSheet::kTrap, 1), runFrame(extrasSheet::kTrap, 2)};
const SDL_Rect kExitFrames[2] = {rectOf(extrasSheet::kExit[0]), rectOf(extrasSheet::kExit[1])};
const SDL_Rect kAnimalIdleFrames[2] = {runFrame(extrasSheet::kCagedAnimal, 0),
                                       runFrame(extrasSheet::kCagedAnimal, 1)};
const SDL_Rect kAnimalRescuedFrame = rectOf(extrasSheet::kFreedAnimal);

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

void Extra::pickFrame(uint32_t now) {
  // The position is taken before the timed changes, so a move of y shows next frame.
  const Sint16 sx = toScreen(x, view.left());
  const Sint16 sy = toScreen(y, view.top());
  srcRect = chooseFrame(*this, now);
  dstRect = {sx, sy, srcRect.w, srcRect.h};
}

// Off-screen extras are drawn too; the blit clips them. A wilted thorn is its picture
// squashed to the lower half of its place: every other row, one row at a time.
void Extra::draw(SDL_Surface* screen) const {
  if (!sheet) return;
  const int squash = wilted ? 2 : 1;
  if (squash == 1) {
    SDL_Rect src = srcRect;  // the blit clips its own copies
    SDL_Rect dst = dstRect;
    blit(sheet, &src, screen, &dst);
    return;
  }
  const int rows = srcRect.h / squash;
  for (int row = 0; row < rows; ++row) {
    SDL_Rect src = {srcRect.x, static_cast<Sint16>(srcRect.y + row * squash), srcRect.w, 1};
    SDL_Rect dst = {dstRect.x, static_cast<Sint16>(dstRect.y + srcRect.h - rows + row), 0, 0};
    blit(sheet, &src, screen, &dst);
  }
}
