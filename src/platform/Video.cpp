#include "platform/Video.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Message.h"
#include "platform/PixelHold.h"
#include "platform/SurfaceFormat.h"

SDL_Surface* ScreenSurface = nullptr;

#ifdef __EMSCRIPTEN__
const Uint32 kSdlSystems = SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK;
#else
const Uint32 kSdlSystems = SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_CDROM | SDL_INIT_JOYSTICK;
#endif

namespace {
const Uint32 kWindowFlags = SDL_HWSURFACE | SDL_RESIZABLE | SDL_DOUBLEBUF;

#ifdef __EMSCRIPTEN__
const Uint32 kOpaqueBlack = 0xff000000;  // RGBA bytes: the page shows the alpha too

// The screen's pixels live in memory, as every picture's (see Blit.h); the page's
// canvas gets them once a pass.
void givePixels(SDL_Surface* screen) {
  const size_t count = size_t(screen->w) * size_t(screen->h);
  Uint32* pixels = static_cast<Uint32*>(std::malloc(count * sizeof(Uint32)));
  if (!pixels) return;
  std::fill(pixels, pixels + count, kOpaqueBlack);
  adoptPixels(screen, pixels);
}
#else
void givePixels(SDL_Surface*) {}
#endif

SDL_Surface* setMode(Uint32 flags) {
  SDL_Surface* screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenBits, flags);
  fillShifts(screen);
  if (screen) givePixels(screen);
  return screen;
}
}  // namespace

bool openWindow() {
  ScreenSurface = setMode(kWindowFlags);
  return ScreenSurface != nullptr;
}

bool resizeWindow(int width) {
  Uint32 flags = width > kScreenWidth ? (kWindowFlags | SDL_FULLSCREEN) : kWindowFlags;
  ScreenSurface = setMode(flags);
  // Try a plain window once more before giving up.
  if (!ScreenSurface) ScreenSurface = setMode(kWindowFlags);
  return ScreenSurface != nullptr;
}

bool focusNews(const SDL_Event& event, bool& gone) {
#ifdef __EMSCRIPTEN__
  if (event.type != SDL_WINDOWEVENT) return false;
  switch (event.window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_HIDDEN:
      gone = true;
      return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_SHOWN:
      gone = false;
      return true;
    default:
      return false;
  }
#else
  if (event.type != SDL_ACTIVEEVENT || !(event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)))
    return false;
  gone = !event.active.gain;
  return true;
#endif
}

void reportVideoModeFailure() {
  printMessage("Couldn't set 640x480, 24bit video mode: %s\n", SDL_GetError());
}
