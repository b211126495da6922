#include "shell/Image.h"

#include <SDL/SDL_image.h>

#include <cstring>
#include <map>
#include <string>

namespace {
// Pictures decoded so far. Many objects own a copy of the same picture (ten
// backgrounds, a hundred extras sheets); decoding each file once and copying
// the pixels is many times faster than decoding it again.
struct Decoded {
  std::map<std::string, SDL_Surface*> pictures;
  ~Decoded() { releaseDecodedImages(); }
};

std::map<std::string, SDL_Surface*>& decoded() {
  static Decoded kept;
  return kept.pictures;
}

SDL_Surface* copyOf(SDL_Surface* picture) {
  const SDL_PixelFormat* f = picture->format;
  Uint32 flags = picture->flags & SDL_SRCALPHA;
  if (f->palette) return SDL_ConvertSurface(picture, picture->format, flags);
  SDL_Surface* copy =
      SDL_CreateRGBSurface(flags, picture->w, picture->h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
  if (copy && copy->pitch == picture->pitch) {
    std::memcpy(copy->pixels, picture->pixels, size_t(picture->pitch) * picture->h);
  } else if (copy) {
    SDL_FreeSurface(copy);
    copy = SDL_ConvertSurface(picture, picture->format, flags);
  }
  return copy;
}
}  // namespace

SDL_Surface* loadImage(const char* path) {
  auto& pictures = decoded();
  auto found = pictures.find(path);
  if (found == pictures.end()) found = pictures.emplace(path, IMG_Load(path)).first;
  return found->second ? copyOf(found->second) : nullptr;
}

void releaseDecodedImages() {
  for (auto& entry : decoded())
    if (entry.second) SDL_FreeSurface(entry.second);
  decoded().clear();
}

void freeImage(SDL_Surface*& image) {
  if (image) SDL_FreeSurface(image);
  image = nullptr;
}

void setColourKey(SDL_Surface* image, Uint32 key) {
  if (image) SDL_SetColorKey(image, SDL_SRCCOLORKEY, key);
}
