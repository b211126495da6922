// The view drawing: one blit of the 640 x 480 window of the level picture.
#include <algorithm>

#include "level/Level.h"
#include "level/Pixels.h"

namespace {
const int kViewWidth = 640;                                           // px
const int kViewHeight = 480;                                          // px
const Uint8 kOffLevelRed = 0, kOffLevelGreen = 0, kOffLevelBlue = 0;  // black beyond the picture

// The part of the screen that shows level pixels, as screen coordinates [x0, x1) x [y0, y1).
struct ViewCover {
  int x0, y0, x1, y1;
  bool empty() const { return x0 >= x1 || y0 >= y1; }
};

int clampTo(long long v, int lo, int hi) {
  return static_cast<int>(std::min<long long>(std::max<long long>(v, lo), hi));
}

ViewCover coverOf(const SDL_Surface* picture, int ix, int iy) {
  if (!picture) return {0, 0, 0, 0};
  ViewCover c;
  c.x0 = clampTo(-static_cast<long long>(ix), 0, kViewWidth);
  c.y0 = clampTo(-static_cast<long long>(iy), 0, kViewHeight);
  c.x1 = clampTo(static_cast<long long>(picture->w) - ix, c.x0, kViewWidth);
  c.y1 = clampTo(static_cast<long long>(picture->h) - iy, c.y0, kViewHeight);
  return c;
}

void fillRect(SDL_Surface* screen, int x0, int y0, int x1, int y1, Uint32 colour) {
  if (x0 >= x1 || y0 >= y1) return;
  SDL_Rect r = {static_cast<Sint16>(x0), static_cast<Sint16>(y0), static_cast<Uint16>(x1 - x0),
                static_cast<Uint16>(y1 - y0)};
  SDL_FillRect(screen, &r, colour);
}

// Paints the screen outside the level picture, where nothing else would ever
// overwrite it and moving sprites would leave trails.
void fillOffLevel(SDL_Surface* screen, const ViewCover& c) {
  Uint32 dark = SDL_MapRGB(screen->format, kOffLevelRed, kOffLevelGreen, kOffLevelBlue);
  if (c.empty()) {
    fillRect(screen, 0, 0, kViewWidth, kViewHeight, dark);
    return;
  }
  fillRect(screen, 0, 0, c.x0, kViewHeight, dark);
  fillRect(screen, c.x1, 0, kViewWidth, kViewHeight, dark);
  fillRect(screen, c.x0, 0, c.x1, c.y0, dark);
  fillRect(screen, c.x0, c.y1, c.x1, kViewHeight, dark);
}

// Copies the covered part of the view, blended by the picture's alpha channel.
void blitView(SDL_Surface* picture, SDL_Surface* screen, int ix, int iy, const ViewCover& c) {
  if (c.empty()) return;
  SDL_Rect src = {static_cast<Sint16>(ix + c.x0), static_cast<Sint16>(iy + c.y0),
                  static_cast<Uint16>(c.x1 - c.x0), static_cast<Uint16>(c.y1 - c.y0)};
  SDL_Rect dst = {static_cast<Sint16>(c.x0), static_cast<Sint16>(c.y0), 0, 0};
  SDL_BlitSurface(picture, &src, screen, &dst);
}
}  // namespace

void Level::draw(SDL_Surface* screen, float vx, float vy) {
  if (!screen) return;
  int ix = roundToInt(vx);
  int iy = roundToInt(vy);
  ViewCover cover = coverOf(levelImage, ix, iy);
  fillOffLevel(screen, cover);
  blitView(levelImage, screen, ix, iy, cover);
}
