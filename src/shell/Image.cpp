#include "shell/Image.h"

#include <SDL/SDL_image.h>

SDL_Surface* loadImage(const char* path) { return IMG_Load(path); }

void freeImage(SDL_Surface*& image) {
  if (image) SDL_FreeSurface(image);
  image = nullptr;
}

void setColourKey(SDL_Surface* image, Uint32 key) {
  if (image) SDL_SetColorKey(image, SDL_SRCCOLORKEY, key);
}
