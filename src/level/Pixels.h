#pragma once
#include <SDL/SDL.h>

#include <cstdint>

// Value iGetPixel gives for a point outside the image (-1 as a signed number).
const uint32_t kOutsidePixel = 0xFFFFFFFF;

// Reads the raw pixel value at (x, y); prints a line and returns kOutsidePixel
// for a point outside the image. An empty image reads as kOutsidePixel silently.
uint32_t iGetPixel(SDL_Surface* image, int x, int y);

// A pixel is solid when its value, taken as a signed number, is below -10:
// opaque and not white or near-white.
bool isSolidValue(uint32_t pixel);

// True when the point of `image` is solid; probes cut coordinates toward zero first.
bool isSolidAt(SDL_Surface* image, int x, int y);

// The largest whole number not greater than v + 0.5 (halves round up).
int roundToInt(float v);
