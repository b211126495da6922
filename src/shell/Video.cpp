#include "shell/Video.h"

#include <SDL/SDL.h>

#include <cstdio>

#include "shell/GameState.h"
#include "shell/Startup.h"

namespace {
const Uint32 kWindowFlags = SDL_HWSURFACE | SDL_RESIZABLE | SDL_DOUBLEBUF;

SDL_Surface* setMode(Uint32 flags) { return SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenBits, flags); }
}  // namespace

bool openWindow() {
  ScreenSurface = setMode(kWindowFlags);
  return ScreenSurface != nullptr;
}

void resizeWindow(int width) {
  Uint32 flags = width > kScreenWidth ? (kWindowFlags | SDL_FULLSCREEN) : kWindowFlags;
  ScreenSurface = setMode(flags);
  // Without a screen there is nothing to play on: try a plain window once more, then give up.
  if (!ScreenSurface) ScreenSurface = setMode(kWindowFlags);
  if (!ScreenSurface) {
    std::printf("Couldn't set 640x480, 24bit video mode: %s\n", SDL_GetError());
    shutdown(-2);
  }
}
