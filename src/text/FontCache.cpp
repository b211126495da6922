#include "text/FontCache.h"

#include "platform/FontEngine.h"
#include "platform/RegularFile.h"

namespace {
const char* kFontFile = "BoldFaceLie.TTF";
}  // namespace

FontCache fontCache;

TTF_Font* FontCache::get(int size) {
  if (size < 1 || size > kMaxSize) return nullptr;
  // Read as a regular file only, so a FIFO or a device in its place is never
  // waited on. A missing font is tried once; the texts then stay empty.
  if (!fileRead) {
    fileRead = true;
    readRegularFile(kFontFile, kMaxMediaFileBytes, file);
  }
  if (!tried[size]) {
    tried[size] = true;
    fonts[size] = openFont(file, kFontFile, size);
  }
  return fonts[size];
}
