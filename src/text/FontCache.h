#pragma once
#include <SDL/SDL_ttf.h>

// The game's one font, opened once per point size and kept until exit, so a
// label rebuilt every frame does not open the file again.
class FontCache {
 public:
  TTF_Font* get(int size);

 private:
  static const int kMaxSize = 128;  // points
  TTF_Font* fonts[kMaxSize + 1] = {};
  bool tried[kMaxSize + 1] = {};
};

extern FontCache fontCache;
