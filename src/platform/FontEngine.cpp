#include "platform/FontEngine.h"

#include <cmath>

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

int textDrop(TTF_Font* font) {
#ifdef __EMSCRIPTEN__
  if (!font) return 0;
  // The game's font's ascent and descent, of its em (2048 units).
  const double kAscentPerEm = 1901.0 / 2048, kDescentPerEm = 483.0 / 2048;
  const int size = TTF_FontHeight(font);  // the browser's SDL answers the size in px
  return int(std::ceil(size * kAscentPerEm)) - size + int(std::lround(size * kDescentPerEm));
#else
  (void)font;
  return 0;
#endif
}
