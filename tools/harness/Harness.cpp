#include "Harness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/Image.h"

size_t residentBytes() {
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return 0;
  unsigned long total = 0, resident = 0;
  int got = std::fscanf(f, "%lu %lu", &total, &resident);
  std::fclose(f);
  return got == 2 ? resident * size_t(sysconf(_SC_PAGESIZE)) : 0;
}

size_t peakResidentBytes() {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return 0;
  char line[256];
  unsigned long kib = 0;
  while (std::fgets(line, sizeof line, f))
    if (std::sscanf(line, "VmHWM: %lu kB", &kib) == 1) break;
  std::fclose(f);
  return size_t(kib) * 1024;
}

size_t pictureBytes() { return sharedPictureBytes() + privatePictureBytes(); }

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
