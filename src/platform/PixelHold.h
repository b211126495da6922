#pragma once
#include <SDL/SDL.h>

// Keeps a picture's pixels readable across many small locks. In the browser every
// surface is a canvas and an outer lock copies it whole, so one lock held around
// the work makes the inner ones free; the desktop needs none (and blits refuse a
// locked surface there), so it holds nothing.
class PixelHold {
 public:
  explicit PixelHold(SDL_Surface* picture);
  ~PixelHold();
  PixelHold(const PixelHold&) = delete;
  PixelHold& operator=(const PixelHold&) = delete;

  // True where a lock copies the whole picture: there painting blends pixels by
  // hand instead of blitting, and the level is drawn by a blit instead of by hand.
  static bool locksCopyPictures();

 private:
  [[maybe_unused]] SDL_Surface* held = nullptr;  // read in the browser only
};

#ifdef __EMSCRIPTEN__
// A picture whose pixels live in memory (w x h, RGBA bytes, from malloc; the
// picture owns them). Its canvas stays blank until shown, and no
// lock ever reads the canvas back, so the pixels stay exactly as written.
SDL_Surface* pixelPicture(int w, int h, void* pixels);
// Gives such a picture new pixels of its size (its old ones must be dropped).
void adoptPixels(SDL_Surface* picture, void* pixels);
#endif

// Makes rows top … top + rows - 1 of the picture's pixels what blits draw. The
// desktop blits from the pixels themselves, so this does nothing there.
void showRows(SDL_Surface* picture, int top, int rows);

// Frees a shown picture's pixels in the browser, where only blits use it from
// then on; the desktop keeps them.
void dropPixels(SDL_Surface* picture);
