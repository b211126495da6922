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
