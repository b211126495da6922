#include "platform/Blit.h"

#include <algorithm>

#include "platform/FastBlit.h"
#include "platform/PixelHold.h"

namespace {
// Cuts a rectangle of `from`, drawn with its corner at (dx, dy), to both pictures.
bool clip(const SDL_Surface* from, const SDL_Surface* to, SDL_Rect& area, int& dx, int& dy) {
  int sx = area.x, sy = area.y, w = area.w, h = area.h;
  if (sx < 0) w += sx, dx -= sx, sx = 0;
  if (sy < 0) h += sy, dy -= sy, sy = 0;
  if (dx < 0) w += dx, sx -= dx, dx = 0;
  if (dy < 0) h += dy, sy -= dy, dy = 0;
  w = std::min({w, from->w - sx, to->w - dx});
  h = std::min({h, from->h - sy, to->h - dy});
  if (w <= 0 || h <= 0) return false;
  area = {Sint16(sx), Sint16(sy), Uint16(w), Uint16(h)};
  return true;
}

SDL_Rect whole(const SDL_Surface* s) { return {0, 0, Uint16(s->w), Uint16(s->h)}; }
}  // namespace

void blendBlit(SDL_Surface* from, const SDL_Rect* area, SDL_Surface* to, SDL_Rect* at) {
  SDL_Rect part = area ? *area : whole(from);
  int dx = at ? at->x : 0, dy = at ? at->y : 0;
  const bool drawn = clip(from, to, part, dx, dy) && blendArea(from, part, to, dx, dy);
  if (at) *at = {Sint16(dx), Sint16(dy), Uint16(drawn ? part.w : 0), Uint16(drawn ? part.h : 0)};
}

void fillPixels(SDL_Surface* to, const SDL_Rect* area, Uint32 colour) {
  if (to->format->BytesPerPixel != 4) return;
  SDL_Rect part = area ? *area : whole(to);
  int dx = part.x, dy = part.y;
  part.x = part.y = 0;
  if (!clip(to, to, part, dx, dy)) return;
  for (int y = dy; y < dy + part.h; ++y) {
    Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(to->pixels) + size_t(y) * to->pitch);
    std::fill(row + dx, row + dx + part.w, colour);
  }
}

#ifdef __EMSCRIPTEN__
void blit(SDL_Surface* from, const SDL_Rect* area, SDL_Surface* to, SDL_Rect* at) {
  if (from && to) blendBlit(from, area, to, at);
}

void fillArea(SDL_Surface* to, const SDL_Rect* area, Uint32 colour) {
  if (to) fillPixels(to, area, colour);
}

void showScreen(SDL_Surface* screen) { showPixels(screen); }
#else
void blit(SDL_Surface* from, const SDL_Rect* area, SDL_Surface* to, SDL_Rect* at) {
  SDL_BlitSurface(from, const_cast<SDL_Rect*>(area), to, at);
}

void fillArea(SDL_Surface* to, const SDL_Rect* area, Uint32 colour) {
  SDL_FillRect(to, const_cast<SDL_Rect*>(area), colour);
}

void showScreen(SDL_Surface* screen) { SDL_Flip(screen); }
#endif
