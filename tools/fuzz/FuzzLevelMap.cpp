// libFuzzer target: any bytes as a level map. The loader must paint only inside
// its pictures, whatever the lines look like.
#include <SDL/SDL.h>

#include <cstdint>
#include <cstdio>

#include "ScratchDir.h"
#include "level/Level.h"

namespace {
SDL_Surface* surface(int w, int h) {
  return SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, w, h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000,
                              0xFF000000);
}

// A small level: pictures the size of a few cells, sheets of the real size.
Level& smallLevel() {
  static Level* level = [] {
    enterScratchDir();
    Level* l = new Level;
    l->tiles = surface(1300, 250);
    l->collisionTiles = surface(1300, 250);
    l->levelImage = surface(333, 217);
    l->background = surface(333, 217);  // the collision is painted over it
    return l;
  }();
  return *level;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Level& level = smallLevel();
  std::FILE* f = std::fopen("level2.txt", "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  level.load(2);
  return 0;
}
