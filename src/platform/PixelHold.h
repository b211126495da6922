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
  // hand instead of blitting, since a blit would copy the picture too.
  static bool locksCopyPictures();

 private:
  [[maybe_unused]] SDL_Surface* held = nullptr;  // read in the browser only
};
