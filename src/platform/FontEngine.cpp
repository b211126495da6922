#include "platform/FontEngine.h"

TTF_Font* openFont(const std::string& bytes, const char* path, int size) {
#ifdef __EMSCRIPTEN__
  // The browser's font engine cannot say whether it was started; the game starts it first.
  return bytes.empty() ? nullptr : TTF_OpenFont(path, size);
#else
  (void)path;
  SDL_RWops* rw =
      bytes.empty() || !TTF_WasInit() ? nullptr : SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  return rw ? TTF_OpenFontRW(rw, 1, size) : nullptr;
#endif
}
