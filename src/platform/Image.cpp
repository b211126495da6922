#include "platform/Image.h"

#include <sys/mman.h>

#include <map>

#include "platform/DecodedPictures.h"

namespace {
// Pixel memory of the copies that are mappings, with its length: freeImage unmaps it.
std::map<void*, size_t>& mappedPixels() {
  static std::map<void*, size_t> mapped;
  return mapped;
}

// The colour key that IMG_Load set (a PNG with a tRNS chunk), as the raw pixel
// value: the copy has the picture's format, and mapping the key's colour again
// could pick another palette entry of the same colour.
void keepColourKey(SDL_Surface* copy, const SDL_Surface* picture) {
  if (copy && (picture->flags & SDL_SRCCOLORKEY))
    SDL_SetColorKey(copy, SDL_SRCCOLORKEY, picture->format->colorkey);
}

// A surface of the picture's size and format around pixels the caller provides.
SDL_Surface* surfaceAround(void* pixels, const SDL_Surface* picture) {
  const SDL_PixelFormat* f = picture->format;
  SDL_Surface* s = SDL_CreateRGBSurfaceFrom(pixels, picture->w, picture->h, f->BitsPerPixel, picture->pitch,
                                            f->Rmask, f->Gmask, f->Bmask, f->Amask);
  if (s) SDL_SetAlpha(s, picture->flags & SDL_SRCALPHA, f->alpha);
  keepColourKey(s, picture);
  return s;
}

const size_t kPageBytes = 4096;

// Reads one byte of every page, so every page is mapped now: play never waits
// on a first touch, and resident memory counts the whole copy from the start
// instead of creeping up as the game first shows each part of it.
void mapEveryPage(const void* pixels, size_t bytes) {
  const volatile char* p = static_cast<const volatile char*>(pixels);
  for (size_t at = 0; at < bytes; at += kPageBytes) (void)p[at];
}

// A private mapping of the picture's pixel file: the owner's own copy. Pages
// are shared until the owner writes to them, and then only those are copied.
SDL_Surface* mappedCopyOf(const DecodedPicture& d) {
  size_t bytes = size_t(d.picture->pitch) * size_t(d.picture->h);
  void* pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE, d.pixelFile, 0);
  if (pixels == MAP_FAILED) return nullptr;
  mapEveryPage(pixels, bytes);
  SDL_Surface* copy = surfaceAround(pixels, d.picture);
  if (copy)
    mappedPixels()[pixels] = bytes;
  else
    munmap(pixels, bytes);
  return copy;
}

SDL_Surface* copyOf(const DecodedPicture& d) {
  if (d.pixelFile >= 0)
    if (SDL_Surface* copy = mappedCopyOf(d)) return copy;
  SDL_Surface* copy = SDL_ConvertSurface(d.picture, d.picture->format, d.picture->flags & SDL_SRCALPHA);
  keepColourKey(copy, d.picture);
  return copy;
}
}  // namespace

SDL_Surface* loadImage(const char* path) {
  const DecodedPicture& d = decodedPictures().get(path);
  return d.picture ? copyOf(d) : nullptr;
}

void releaseDecodedImages() { decodedPictures().release(); }

void freeImage(SDL_Surface*& image) {
  if (!image) return;
  auto mapped = mappedPixels().find(image->pixels);
  if (mapped != mappedPixels().end()) {
    munmap(mapped->first, mapped->second);
    mappedPixels().erase(mapped);
  }
  SDL_FreeSurface(image);
  image = nullptr;
}

void setColourKey(SDL_Surface* image, Uint32 key) {
  if (image) SDL_SetColorKey(image, SDL_SRCCOLORKEY, key);
}
