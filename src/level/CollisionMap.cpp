#include "level/CollisionMap.h"

#include <SDL/SDL.h>

#include "level/Pixels.h"
#include "platform/Message.h"

namespace {
// The raw value of a pixel of any depth, its bytes read lowest first.
uint32_t rawPixel(const uint8_t* p, int bytesPerPixel) {
  if (bytesPerPixel > 4) return 0;
  uint32_t value = 0;
  for (int b = 0; b < bytesPerPixel; ++b) value |= uint32_t(p[b]) << (8 * b);
  return value;
}
}  // namespace

void CollisionMap::reset(int width, int height) {
  w = width;
  h = height;
  made = true;
  bits.assign((size_t(w) * size_t(h) + 7) / 8, 0);
}

void CollisionMap::clear() {
  w = h = 0;
  made = false;
  std::vector<uint8_t>().swap(bits);
}

void CollisionMap::markRows(SDL_Surface* picture, int top) {
  SDL_LockSurface(picture);
  const int bpp = picture->format->BytesPerPixel;
  for (int y = 0; y < picture->h && top + y < h; ++y) {
    const auto* row = static_cast<const uint8_t*>(picture->pixels) + size_t(y) * picture->pitch;
    const size_t first = size_t(top + y) * size_t(w);
    for (int x = 0; x < w && x < picture->w; ++x) {
      const size_t at = first + size_t(x);
      const uint8_t bit = uint8_t(1u << (at % 8));
      if (isSolidValue(rawPixel(row + size_t(x) * bpp, bpp)))
        bits[at / 8] |= bit;
      else
        bits[at / 8] &= uint8_t(~bit);
    }
  }
  SDL_UnlockSurface(picture);
}

void CollisionMap::makeFrom(SDL_Surface* picture) {
  clear();
  if (!picture) return;
  reset(picture->w, picture->h);
  markRows(picture, 0);
}

bool CollisionMap::isSolid(int x, int y) const {
  // A level whose picture failed to load has nothing solid in it.
  if (!made) return false;
  if (x < 0) {
    printMessage("  iGetPixel: Error: x (%d) < 0\n", x);
    return false;
  }
  if (y < 0) {
    printMessage("  iGetPixel: Error: y (%d) < 0\n", y);
    return false;
  }
  if (x >= w) {
    printMessage("  iGetPixel: Error: x (%d) >= w\n", x);
    return false;
  }
  if (y >= h) {
    printMessage("  iGetPixel: Error: y (%d) >= h\n", y);
    return false;
  }
  const size_t at = size_t(y) * size_t(w) + size_t(x);
  return (bits[at / 8] >> (at % 8)) & 1;
}

uint64_t CollisionMap::hash() const {
  uint64_t sum = 14695981039346656037u;
  auto mix = [&sum](uint64_t byte) { sum = (sum ^ byte) * 1099511628211u; };
  for (int v : {w, h})
    for (int b = 0; b < 4; ++b) mix(uint32_t(v) >> (8 * b) & 0xFF);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) mix(isSolid(x, y));
  return sum;
}
