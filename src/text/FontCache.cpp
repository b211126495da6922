#include "text/FontCache.h"

namespace {
const char* kFontFile = "BoldFaceLie.TTF";
}

FontCache fontCache;

TTF_Font* FontCache::get(int size) {
  if (size < 1 || size > kMaxSize) return nullptr;
  // A missing font is tried once; the texts then stay empty.
  if (!tried[size]) {
    tried[size] = true;
    fonts[size] = TTF_WasInit() ? TTF_OpenFont(kFontFile, size) : nullptr;
  }
  return fonts[size];
}
