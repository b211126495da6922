// The view drawing: one blit of the 640 x 480 window of the level picture.
#include <algorithm>

#include "level/Level.h"
#include "level/Pixels.h"
#include "platform/Blit.h"
#include "platform/FastBlit.h"

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
  fillArea(screen, &r, colour);
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

// Blends rows [y0, y1) of the covered part of the view by the picture's alpha channel.
void blendRows(SDL_Surface* picture, SDL_Surface* screen, int ix, int iy, const ViewCover& c, int y0,
               int y1) {
  if (y0 >= y1) return;
  SDL_Rect src = {static_cast<Sint16>(ix + c.x0), static_cast<Sint16>(iy + y0),
                  static_cast<Uint16>(c.x1 - c.x0), static_cast<Uint16>(y1 - y0)};
  SDL_Rect dst = {static_cast<Sint16>(c.x0), static_cast<Sint16>(y0), 0, 0};
  blit(picture, &src, screen, &dst);
}

// Copies the covered part of the view: opaque rows straight across (an alpha
// blend of an opaque pixel is the pixel itself), the others blended.
void blitView(SDL_Surface* picture, SDL_Surface* screen, int ix, int iy, const ViewCover& c,
              const std::vector<bool>& opaque) {
  if (c.empty()) return;
  SDL_LockSurface(screen);
  SDL_LockSurface(picture);
  int blendFrom = c.y0;  // first row of a run still to be blended
  for (int y = c.y0; y < c.y1; ++y) {
    bool copied = opaque[iy + y] && copyRowToScreen(picture, ix + c.x0, iy + y, c.x1 - c.x0, screen, c.x0, y);
    if (!copied) continue;
    if (blendFrom < y) {
      SDL_UnlockSurface(picture);
      SDL_UnlockSurface(screen);
      blendRows(picture, screen, ix, iy, c, blendFrom, y);
      SDL_LockSurface(screen);
      SDL_LockSurface(picture);
    }
    blendFrom = y + 1;
  }
  SDL_UnlockSurface(picture);
  SDL_UnlockSurface(screen);
  blendRows(picture, screen, ix, iy, c, blendFrom, c.y1);
}
}  // namespace

void Level::draw(SDL_Surface* screen, float vx, float vy) {
  if (!screen) return;
  int ix = roundToInt(vx);
  int iy = roundToInt(vy);
  ViewCover cover = coverOf(levelImage, ix, iy);
  fillOffLevel(screen, cover);
  if (opaqueRowOf != levelImage) {
    opaqueRow = opaqueRows(levelImage);
    opaqueRowOf = levelImage;
  }
  blitView(levelImage, screen, ix, iy, cover, opaqueRow);
}
