#pragma once
#include <SDL/SDL_ttf.h>

#include <string>

// The game's one font, opened once per point size and kept until exit, so a
// label rebuilt every frame does not open the file again.
class FontCache {
 public:
  TTF_Font* get(int size);

 private:
  static const int kMaxSize = 128;  // points
  TTF_Font* fonts[kMaxSize + 1] = {};
  bool tried[kMaxSize + 1] = {};
  // The font file, read once: the fonts read their glyphs from it as long as they live.
  std::string file;
  bool fileRead = false;
};

extern FontCache fontCache;
