#pragma once
#include <SDL/SDL.h>

// The browser's pictures keep their pixels in the game's memory for good. The
// browser's SDL keeps a canvas beside every surface and copies between the two
// at locks; a picture that holds its pixels never does, and its canvas is never
// drawn on, so it takes no memory. The desktop's pictures are plain memory.

// Makes the pixels in memory the picture's for good: a picture the browser's
// SDL drew (a text) is read from its canvas once. Nothing on the desktop.
void holdPixels(SDL_Surface* picture);

#ifdef __EMSCRIPTEN__
// A picture whose pixels live in memory (w x h, RGBA bytes, from malloc; the
// picture owns them), held from the start.
SDL_Surface* pixelPicture(int w, int h, void* pixels);
// Gives such a picture (or the screen) pixels of its size in memory.
void adoptPixels(SDL_Surface* picture, void* pixels);
// Copies a held picture's pixels to its canvas (the screen's is the page's).
void showPixels(SDL_Surface* picture);
#endif
