#include <algorithm>
#include <cstdlib>

#include "goblins/Goblin.h"
#include "platform/Blit.h"
#include "platform/Layout.h"
#include "platform/SurfaceFormat.h"
#include "player/View.h"
#include "state/Rules.h"

namespace {
using goblinSheet::Cell;
const int kCellSize = goblinSheet::kCell;  // px, square
const uint32_t kFrameMs = 100;             // every frame of every animation
const uint32_t kWalkFrames = goblinSheet::kWalkFrames;
const uint32_t kFallFrames = 1;   // the falling frame is the first walking cell
const int kJumpRolls = 100;       // the jump chance is in percent
const float kJumpSpeed = -2.0f;   // tenths of a px per ms, upward
const int kHealthPerBarRow = 10;  // health points per px of bar height
const Uint16 kBarWidth = 4;       // px
const int kBarOffsetX = 23;       // px right of the sprite's left edge
const int kBarOffsetY = -40;      // px below the sprite's top, plus the bar height
const uint32_t kHitFlashMs = 100;
const int kFlashLightPercent = 60;  // of the way from a pixel's colour to white
// Every attack run draws back or raises its weapon on this frame, and strikes on the next.
const uint32_t kRaisedFrame = 2;

// The goblin's attack and walk, by its breed, kind and facing.
const goblinSheet::Runs& runsOf(const Goblin& g) {
  return goblinSheet::kBreeds[g.breed].runs[g.kind][g.movingRight ? 1 : 0];
}

SDL_Rect makeRect(int x, int y, int w, int h) {
  SDL_Rect r;
  r.x = static_cast<Sint16>(x);
  r.y = static_cast<Sint16>(y);
  r.w = static_cast<Uint16>(w);
  r.h = static_cast<Uint16>(h);
  return r;
}
}  // namespace

void Goblin::draw(SDL_Surface* screen, uint32_t now) const {
  if (!shown) return;
  // Cut toward zero, as the 16-bit blit coordinates take them.
  int spriteX = static_cast<Sint16>(static_cast<int>(x - view.left()));
  int spriteY = static_cast<Sint16>(static_cast<int>(y - view.top()));
  SDL_Rect src = srcRect, dst = makeRect(spriteX, spriteY, 0, 0);  // the blit clips its own copies
  blit(spriteSheet, &src, screen, &dst);
  if (hitFlash && now - hitTick < kHitFlashMs) drawHitFlash(screen, spriteX, spriteY, src);
  // The blit clips a sprite that starts left of or above the screen to its edge;
  // the bar is placed from that clipped corner.
  drawHealthBar(screen, spriteX > 0 ? spriteX : 0, spriteY > 0 ? spriteY : 0);
}

void Goblin::pickFrame(uint32_t now) {
  const goblinSheet::Runs& look = runsOf(*this);
  Cell first = look.walk;
  uint32_t frames = kFallFrames;  // airborne: the one-frame falling cycle
  bool walking = false;
  if (attacking) {
    first = look.attack;
    frames = static_cast<uint32_t>(look.attackFrames);
  } else if (onGround) {
    frames = kWalkFrames;
    walking = true;
  }
  uint32_t elapsed = now - animStart;
  // Under the wild rules the raised weapon stays up until the bite, a warning the player can read.
  if (attacking && rules().goblinsHoldWindUp && struckCycle != animStart)
    elapsed = std::min(elapsed, kFrameMs * kRaisedFrame);
  Cell cell = first;
  if (elapsed < kFrameMs * frames) {
    cell = goblinSheet::cellAfter(first, static_cast<int>(elapsed / kFrameMs));
  } else {
    // The cycle restarts on its first cell, and the end of a walking cycle is where a
    // goblin may jump.
    animStart = now;
    if (walking && std::rand() % kJumpRolls < jumpChance) speedy = kJumpSpeed;
  }
  srcRect = makeRect(cell.x, cell.y, kCellSize, kCellSize);
  shown = true;
}

namespace {
uint32_t readPixel(const SDL_Surface* s, int x, int y) {
  const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
  uint32_t value = 0;
  for (int i = s->format->BytesPerPixel - 1; i >= 0; --i) value = value << 8 | p[i];
  return value;
}

void writePixel(SDL_Surface* s, int x, int y, uint32_t value) {
  Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
  for (int i = 0; i < s->format->BytesPerPixel; ++i, value >>= 8) p[i] = static_cast<Uint8>(value);
}

// Drawn, not clear: the sheet's colour key and see-through alpha are the clear parts.
bool drawnPixel(const SDL_Surface* sheet, uint32_t value) {
  Uint32 key;
  if (colourKeyOf(sheet, key) && value == key) return false;
  const Uint32 amask = sheet->format->Amask;
  return amask == 0 || (value & amask) != 0;
}

Uint8 lighter(Uint8 c) { return static_cast<Uint8>(c + (255 - c) * kFlashLightPercent / 100); }
}  // namespace

// A hit shows: the screen under the sprite's drawn pixels turns light. `cell` is the
// sheet rectangle as the sprite's blit left it, clipped.
void Goblin::drawHitFlash(SDL_Surface* screen, int spriteX, int spriteY, const SDL_Rect& cell) const {
  if (!screen || !spriteSheet || SDL_LockSurface(spriteSheet) != 0) return;
  if (SDL_LockSurface(screen) == 0) {
    for (int row = 0; row < kCellSize; ++row)
      for (int col = 0; col < kCellSize; ++col) {
        int sx = spriteX + col, sy = spriteY + row, cx = cell.x + col, cy = cell.y + row;
        if (sx < 0 || sy < 0 || sx >= screen->w || sy >= screen->h || cx >= spriteSheet->w ||
            cy >= spriteSheet->h)
          continue;
        if (!drawnPixel(spriteSheet, readPixel(spriteSheet, cx, cy))) continue;
        Uint8 r, g, b;
        SDL_GetRGB(readPixel(screen, sx, sy), screen->format, &r, &g, &b);
        writePixel(screen, sx, sy, SDL_MapRGB(screen->format, lighter(r), lighter(g), lighter(b)));
      }
    SDL_UnlockSurface(screen);
  }
  SDL_UnlockSurface(spriteSheet);
}

void Goblin::drawHealthBar(SDL_Surface* screen, int spriteX, int spriteY) const {
  if (spriteX <= 0) return;  // a sprite at or past the left edge shows no bar
  // The bar shrinks and moves up as health falls.
  int barHeight = health / kHealthPerBarRow;
  SDL_Rect src = makeRect(0, 0, kBarWidth, barHeight);
  SDL_Rect dst = makeRect(spriteX + kBarOffsetX, spriteY + kBarOffsetY + barHeight, 0, 0);
  blit(healthBarImage, &src, screen, &dst);
}

uint32_t Goblin::strikeMs() const { return kFrameMs * (kRaisedFrame + 1); }
