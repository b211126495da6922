#include "platform/PixelHold.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <cstdlib>

namespace {
// The bytes order of `pixels`: R, G, B, A (little-endian masks).
const Uint32 kRed = 0x000000ff, kGreen = 0x0000ff00, kBlue = 0x00ff0000, kAlpha = 0xff000000;
const int kBits = 32;  // bits per pixel
}  // namespace

// The browser's SDL keeps a surface's pixels as `buffer` beside its canvas, and
// copies the canvas into it at each outermost lock. A lock count that never ends
// keeps that copy from ever happening.
EM_JS(void, adoptPixelsJs, (SDL_Surface * surface, void* pixels), {
  var s = SDL.surfaces[surface];
  if (s.buffer && s.buffer != pixels) _free(s.buffer);
  s.buffer = pixels;
  s.locked = 1;
});

// The outermost lock, which reads the canvas into `buffer`, and never its unlock.
EM_JS(void*, holdPixelsJs, (SDL_Surface * surface), {
  var s = SDL.surfaces[surface];
  if (!s.locked) _SDL_LockSurface(surface);
  return s.buffer;
});

EM_JS(void, showPixelsJs, (SDL_Surface * surface), {
  var s = SDL.surfaces[surface];
  if (!s.buffer) return;
  var bytes = new Uint8ClampedArray(HEAPU8.buffer, s.buffer, s.height * s.width * 4);
  s.ctx.putImageData(new ImageData(bytes, s.width, s.height), 0, 0);
});

SDL_Surface* pixelPicture(int w, int h, void* pixels) {
  // A hardware surface gets no pixels of its own from the browser's SDL.
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_HWSURFACE, w, h, kBits, kRed, kGreen, kBlue, kAlpha);
  if (!s) {
    std::free(pixels);
    return nullptr;
  }
  adoptPixels(s, pixels);
  return s;
}

void adoptPixels(SDL_Surface* picture, void* pixels) {
  picture->pixels = pixels;
  picture->pitch = Uint16(picture->w * 4);
  adoptPixelsJs(picture, pixels);
}

void holdPixels(SDL_Surface* picture) {
  if (picture) picture->pixels = holdPixelsJs(picture);
}

void showPixels(SDL_Surface* picture) {
  if (picture) showPixelsJs(picture);
}
#else
void holdPixels(SDL_Surface*) {}
#endif
