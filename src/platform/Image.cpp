#include "platform/Image.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/DecodedPictures.h"
#include "platform/PixelHold.h"
#include "platform/SurfaceFormat.h"

namespace {
// What each handle holds: the decoded picture it shares, or nothing for a
// private copy, which owns its pixels.
struct Holding {
  std::shared_ptr<SDL_Surface> shared;
  size_t privateBytes = 0;
};

// Handles are made by the main thread and by the level painter, so the table is locked.
std::mutex& holdingsLock() {
  static std::mutex lock;
  return lock;
}
std::map<const SDL_Surface*, Holding>& holdings() {
  static std::map<const SDL_Surface*, Holding> held;
  return held;
}
std::atomic<size_t> livePrivateBytes{0};

void hold(const SDL_Surface* handle, Holding h) {
  std::lock_guard<std::mutex> guard(holdingsLock());
  holdings()[handle] = std::move(h);
}

// The colour key that IMG_Load set (a PNG with a tRNS chunk), as the raw pixel
// value: the handle has the picture's format, and mapping the key's colour again
// could pick another palette entry of the same colour.
void keepColourKey(SDL_Surface* copy, const SDL_Surface* picture) {
  Uint32 key;
  if (colourKeyOf(picture, key)) SDL_SetColorKey(copy, SDL_SRCCOLORKEY, key);
}

// Gives `s` the palette, alpha flags and colour key of `picture`.
void keepLook(SDL_Surface* s, const SDL_Surface* picture) {
  const SDL_PixelFormat* f = picture->format;
  if (f->palette) SDL_SetColors(s, f->palette->colors, 0, f->palette->ncolors);
  SDL_SetAlpha(s, picture->flags & SDL_SRCALPHA, surfaceAlphaOf(picture));
  keepColourKey(s, picture);
}

// A surface of the picture's size and format around its pixels.
SDL_Surface* handleOn(const std::shared_ptr<SDL_Surface>& picture) {
  const SDL_PixelFormat* f = picture->format;
  SDL_Surface* s = SDL_CreateRGBSurfaceFrom(picture->pixels, picture->w, picture->h, f->BitsPerPixel,
                                            picture->pitch, f->Rmask, f->Gmask, f->Bmask, f->Amask);
  if (!s) return nullptr;
  fillShifts(s);
  keepLook(s, picture.get());
  hold(s, Holding{picture, 0});
  return s;
}
}  // namespace

SDL_Surface* loadImage(const char* path) {
  const DecodedPicture d = decodedPictures().get(path);
  return d.picture ? handleOn(d.picture) : nullptr;
}

SDL_Surface* privateCopy(const SDL_Surface* image) {
  return image ? privateRows(image, 0, image->h) : nullptr;
}

SDL_Surface* privateRows(const SDL_Surface* image, int top, int rows) {
  if (!image) return nullptr;
  const SDL_PixelFormat* f = image->format;
  SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, image->w, rows, f->BitsPerPixel, f->Rmask, f->Gmask,
                                           f->Bmask, f->Amask);
  if (!copy) return nullptr;
  fillShifts(copy);
  {
    // In the browser the pixels are only there while locked, and written ones
    // reach the picture at the unlock.
    PixelHold from(const_cast<SDL_Surface*>(image)), to(copy);
    const size_t rowBytes = std::min<size_t>(image->pitch, copy->pitch);
    for (int y = 0; y < rows; ++y)
      std::memcpy(static_cast<Uint8*>(copy->pixels) + size_t(y) * copy->pitch,
                  static_cast<const Uint8*>(image->pixels) + size_t(top + y) * image->pitch, rowBytes);
  }
  keepLook(copy, image);
  const size_t bytes = size_t(copy->pitch) * size_t(copy->h);
  livePrivateBytes += bytes;
  hold(copy, Holding{nullptr, bytes});
  return copy;
}

void releaseDecodedImages() { decodedPictures().release(); }

void freeImage(SDL_Surface*& image) {
  if (!image) return;
  Holding released;  // dropped after the lock: the last handle frees the decoded picture
  {
    std::lock_guard<std::mutex> guard(holdingsLock());
    auto found = holdings().find(image);
    if (found != holdings().end()) {
      released = std::move(found->second);
      holdings().erase(found);
    }
  }
  livePrivateBytes -= released.privateBytes;
  SDL_FreeSurface(image);
  image = nullptr;
}

#ifdef __EMSCRIPTEN__
namespace {
// The browser's SDL keeps no colour key, but every picture there has alpha:
// the key's pixels become clear instead, once, when the key is set.
void clearKeyedPixels(SDL_Surface* image, Uint32 key) {
  const Uint32 amask = image->format->Amask;
  if (image->format->BytesPerPixel != 4 || !amask) return;
  PixelHold hold(image);
  for (int y = 0; y < image->h; ++y) {
    Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(image->pixels) + size_t(y) * image->pitch);
    for (int x = 0; x < image->w; ++x)
      if ((row[x] & ~amask) == (key & ~amask)) row[x] &= ~amask;
  }
}
}  // namespace

void setColourKey(SDL_Surface* image, Uint32 key) {
  if (image) clearKeyedPixels(image, key);
}
#else
void setColourKey(SDL_Surface* image, Uint32 key) {
  if (image) SDL_SetColorKey(image, SDL_SRCCOLORKEY, key);
}
#endif

size_t sharedPictureBytes() { return decodedPictureBytes(); }
size_t privatePictureBytes() { return livePrivateBytes; }
