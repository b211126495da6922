#include "Harness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "player/Player.h"
#include "shell/Screens.h"

namespace {
size_t bytesOf(const SDL_Surface* s) { return s ? size_t(s->w) * s->h * s->format->BytesPerPixel : 0; }
}  // namespace

size_t residentBytes() {
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return 0;
  unsigned long total = 0, resident = 0;
  int got = std::fscanf(f, "%lu %lu", &total, &resident);
  std::fclose(f);
  return got == 2 ? resident * size_t(sysconf(_SC_PAGESIZE)) : 0;
}

size_t pictureBytes() {
  size_t sum = bytesOf(player.spriteSheet) + bytesOf(player.extrasSheet) + bytesOf(player.healthBarImage);
  for (const Goblin& g : goblins) sum += bytesOf(g.spriteSheet) + bytesOf(g.healthBarImage);
  for (const Extra& e : extras) sum += bytesOf(e.sheet);
  for (const Level& l : levels)
    sum += bytesOf(l.tiles) + bytesOf(l.collisionTiles) + bytesOf(l.levelImage) + bytesOf(l.collisionImage);
  for (const SDL_Surface* s : {shopCollisionImage, titleImage, instructionsImage, storyImage, statsImage,
                               aboutImage, scoresImage, shopBackgroundImage, submitImage, weaponRackImage,
                               armourRackImage, vendorImage})
    sum += bytesOf(s);
  return sum;
}

int countLines(const char* path) {
  FILE* f = std::fopen(path, "r");
  if (!f) return -1;
  int lines = 0, c;
  while ((c = std::fgetc(f)) != EOF) lines += c == '\n';
  std::fclose(f);
  return lines;
}

void useDummyDrivers() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

void pushKey(SDLKey key, bool down) {
  SDL_Event e = {};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.type = e.type;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = key;
  SDL_PushEvent(&e);
}
