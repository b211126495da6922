// Preloaded into the real game by the window test: appends the time of every
// SDL_Flip, in microseconds of the monotonic clock, to the file that
// THORNWALD_FLIP_LOG names. The game itself reads no environment.
#include <SDL/SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
using FlipFunction = int (*)(SDL_Surface*);

FILE* openLog() {
  const char* path = std::getenv("THORNWALD_FLIP_LOG");
  return path ? std::fopen(path, "w") : nullptr;
}
}  // namespace

extern "C" int SDL_Flip(SDL_Surface* screen) {
  static FlipFunction realFlip = reinterpret_cast<FlipFunction>(dlsym(RTLD_NEXT, "SDL_Flip"));
  static FILE* log = openLog();
  if (log) {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    std::fprintf(log, "%lld\n", static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000);
    std::fflush(log);
  }
  return realFlip ? realFlip(screen) : -1;
}
