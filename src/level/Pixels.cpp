#include "level/Pixels.h"

#include <cmath>

#include "platform/Message.h"

namespace {
const int32_t kSolidBelow = -10;
}

uint32_t iGetPixel(SDL_Surface* image, int x, int y) {
  // A level whose picture failed to load has nothing solid in it.
  if (!image) return kOutsidePixel;
  if (x < 0) {
    printMessage("  iGetPixel: Error: x (%d) < 0\n", x);
    return kOutsidePixel;
  }
  if (y < 0) {
    printMessage("  iGetPixel: Error: y (%d) < 0\n", y);
    return kOutsidePixel;
  }
  if (x >= image->w) {
    printMessage("  iGetPixel: Error: x (%d) >= w\n", x);
    return kOutsidePixel;
  }
  if (y >= image->h) {
    printMessage("  iGetPixel: Error: y (%d) >= h\n", y);
    return kOutsidePixel;
  }
  SDL_LockSurface(image);
  int bpp = image->format->BytesPerPixel;
  const Uint8* p = static_cast<const Uint8*>(image->pixels) + y * image->pitch + x * bpp;
  uint32_t value = 0;
  switch (bpp) {
    case 1: value = p[0]; break;
    case 2: value = p[0] | (p[1] << 8); break;
    case 3: value = p[0] | (p[1] << 8) | (p[2] << 16); break;
    case 4: value = p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); break;
    default: value = 0; break;
  }
  SDL_UnlockSurface(image);
  return value;
}

bool isSolidValue(uint32_t pixel) { return static_cast<int32_t>(pixel) < kSolidBelow; }

bool isSolidAt(SDL_Surface* image, int x, int y) { return isSolidValue(iGetPixel(image, x, y)); }

int roundToInt(float v) { return static_cast<int>(std::floor(static_cast<double>(v) + 0.5)); }
