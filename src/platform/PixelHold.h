#pragma once
#include <SDL/SDL.h>

// Keeps a picture's pixels readable across many small locks. The desktop needs
// none (and blits refuse a locked surface there), so it holds nothing; the
// browser's pictures are held for good (see holdPixels).
class PixelHold {
 public:
  explicit PixelHold(SDL_Surface* picture);
  ~PixelHold();
  PixelHold(const PixelHold&) = delete;
  PixelHold& operator=(const PixelHold&) = delete;

 private:
  [[maybe_unused]] SDL_Surface* held = nullptr;  // read in the browser only
};

#ifdef __EMSCRIPTEN__
// A picture whose pixels live in memory (w x h, RGBA bytes, from malloc; the
// picture owns them). Its canvas is never drawn on, so it takes no memory, and
// no lock ever reads the canvas back: the pixels stay exactly as written.
SDL_Surface* pixelPicture(int w, int h, void* pixels);
// Gives such a picture (or the screen) pixels of its size in memory.
void adoptPixels(SDL_Surface* picture, void* pixels);
// Makes the pixels in memory the picture's for good: a picture the browser's
// SDL drew (a text) is read from its canvas once, at the first call.
void holdPixels(SDL_Surface* picture);
// Copies a held picture's pixels to its canvas (the screen's is the page's).
void showPixels(SDL_Surface* picture);
#endif
