#include "platform/StoredFiles.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// Both live in the page's script beside the game (StoredFiles.js).
bool fetchStoredFiles() {
  return EM_ASM_INT({ return Module['thornwaldFetchStored'](); }) != 0;
}
void storeSavedFiles() {
  EM_ASM({ Module['thornwaldStoreSaved'](); });
}
#else
bool fetchStoredFiles() { return true; }
void storeSavedFiles() {}
#endif
