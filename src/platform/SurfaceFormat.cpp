#include "platform/SurfaceFormat.h"

bool colourKeyOf(const SDL_Surface* s, Uint32& key) {
#ifdef __EMSCRIPTEN__
  (void)s;
  key = 0;
  return false;
#else
  key = s->format->colorkey;
  return (s->flags & SDL_SRCCOLORKEY) != 0;
#endif
}

Uint8 surfaceAlphaOf(const SDL_Surface* s) {
#ifdef __EMSCRIPTEN__
  (void)s;
  return SDL_ALPHA_OPAQUE;
#else
  return s->format->alpha;
#endif
}

#ifdef __EMSCRIPTEN__
namespace {
Uint8 shiftOf(Uint32 mask) {
  Uint8 shift = 0;
  for (; mask && !(mask & 1u); mask >>= 1) ++shift;
  return shift;
}
}  // namespace

void fillShifts(SDL_Surface* s) {
  if (!s) return;
  SDL_PixelFormat* f = s->format;
  f->Rshift = shiftOf(f->Rmask);
  f->Gshift = shiftOf(f->Gmask);
  f->Bshift = shiftOf(f->Bmask);
  f->Ashift = shiftOf(f->Amask);
}
#else
void fillShifts(SDL_Surface*) {}
#endif
