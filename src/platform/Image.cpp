#include "platform/Image.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "platform/DecodedPictures.h"
#include "platform/LateDecoding.h"
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

#ifdef __EMSCRIPTEN__
// The browser's SDL copies the pixels of a surface made around them, so there
// every handle is the decoded picture itself, counted by SDL's own refcount: a
// free lets go of one handle. Keys and alpha are the same for every handle of a
// file there (a key turns into alpha in the shared pixels).
SDL_Surface* handleOn(const std::shared_ptr<SDL_Surface>& picture) {
  ++picture->refcount;
  return picture.get();
}

// A picture of w x h in the image's format, with pixels in memory, clear or as
// they come: clearing tens of MB at once is a long pass in the browser.
SDL_Surface* blankLike(const SDL_Surface*, int w, int h, bool clear) {
  const size_t bytes = size_t(w) * size_t(h) * 4;
  void* pixels = clear ? std::calloc(bytes, 1) : std::malloc(bytes);
  return pixels ? pixelPicture(w, h, pixels) : nullptr;
}
#else
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

SDL_Surface* blankLike(const SDL_Surface* image, int w, int h, bool) {
  const SDL_PixelFormat* f = image->format;
  return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
}
#endif

// A private picture of `rows` rows in the image's format and look, every pixel clear.
SDL_Surface* privateBlankRows(const SDL_Surface* image, int rows, bool clear = true) {
  SDL_Surface* blank = blankLike(image, image->w, rows, clear);
  if (!blank) return nullptr;
  fillShifts(blank);
  keepLook(blank, image);
  const size_t bytes = size_t(blank->pitch) * size_t(blank->h);
  livePrivateBytes += bytes;
  hold(blank, Holding{nullptr, bytes});
  return blank;
}

// Copies `rows` rows of `from`, from row `top` on, to rows from `at` on of `to`.
void copyRowsAt(const SDL_Surface* from, int top, int rows, SDL_Surface* to, int at) {
  const size_t rowBytes = std::min<size_t>(from->pitch, to->pitch);
  for (int y = 0; y < rows; ++y)
    std::memcpy(static_cast<Uint8*>(to->pixels) + size_t(at + y) * to->pitch,
                static_cast<const Uint8*>(from->pixels) + size_t(top + y) * from->pitch, rowBytes);
}
}  // namespace

SDL_Surface* loadImage(const char* path) {
  const DecodedPicture d = decodedPictures().get(path);
  return d.picture ? handleOn(d.picture) : nullptr;
}

SDL_Surface* privateRows(const SDL_Surface* image, int top, int rows) {
  SDL_Surface* copy = image ? privateBlankRows(image, rows, false) : nullptr;
  if (copy) copyRowsAt(image, top, rows, copy, 0);
  return copy;
}

SDL_Surface* privateBlank(const SDL_Surface* image) {
  return image ? privateBlankRows(image, image->h) : nullptr;
}

SDL_Surface* privateUnset(const SDL_Surface* image) {
  return image ? privateBlankRows(image, image->h, false) : nullptr;
}

void copyRows(const SDL_Surface* from, SDL_Surface* to, int top, int rows) {
  if (from && to) copyRowsAt(from, top, rows, to, top);
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
// the key's pixels become clear instead, once the picture is decoded. Every
// handle of a file shares the pixels, so only the first one's key changes any.
std::map<const SDL_Surface*, Uint32> keyOfWaiting;  // keys of pictures still blank

void clearKeyedPixels(SDL_Surface* image, Uint32 key) {
  const Uint32 amask = image->format->Amask;
  if (image->format->BytesPerPixel != 4 || !amask) return;
  for (int y = 0; y < image->h; ++y) {
    Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(image->pixels) + size_t(y) * image->pitch);
    for (int x = 0; x < image->w; ++x)
      if ((row[x] & amask) && (row[x] & ~amask) == (key & ~amask)) row[x] &= ~amask;
  }
}
}  // namespace

void setColourKey(SDL_Surface* image, Uint32 key) {
  if (!image) return;
  if (lateDecoding().waits(image))
    keyOfWaiting[image] = key;
  else
    clearKeyedPixels(image, key);
}

bool decodeNextPicture() {
  SDL_Surface* picture = lateDecoding().next();
  if (!picture) return false;
  auto key = keyOfWaiting.find(picture);
  if (key == keyOfWaiting.end()) return true;
  clearKeyedPixels(picture, key->second);
  keyOfWaiting.erase(key);
  return true;
}

bool pictureIn(const SDL_Surface* picture) { return lateDecoding().bringIn(picture); }
#else
bool decodeNextPicture() { return false; }

bool pictureIn(const SDL_Surface*) { return true; }

void setColourKey(SDL_Surface* image, Uint32 key) {
  if (image) SDL_SetColorKey(image, SDL_SRCCOLORKEY, key);
}
#endif

size_t sharedPictureBytes() { return decodedPictureBytes(); }
size_t privatePictureBytes() { return livePrivateBytes; }
