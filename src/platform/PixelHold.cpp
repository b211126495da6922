#include "platform/PixelHold.h"

#ifdef __EMSCRIPTEN__
PixelHold::PixelHold(SDL_Surface* picture) : held(picture) {
  if (held) SDL_LockSurface(held);
}

PixelHold::~PixelHold() {
  if (held) SDL_UnlockSurface(held);
}

bool PixelHold::locksCopyPictures() { return true; }
#else
PixelHold::PixelHold(SDL_Surface*) {}

PixelHold::~PixelHold() {}

bool PixelHold::locksCopyPictures() { return false; }
#endif
