#pragma once
#include <SDL/SDL.h>

// Loads a PNG into a surface its caller owns, or nullptr when the file is missing
// or broken. Nothing is reported: the game goes on without the picture.
SDL_Surface* loadImage(const char* path);

// Forgets the decoded pictures kept for copying; start-up calls it once every
// object holds its own copy, so the memory goes back.
void releaseDecodedImages();

// Frees a surface that may be empty.
void freeImage(SDL_Surface*& image);

// Sets the raw pixel value `key` as the colour key, without RLE; does nothing
// for an empty image.
void setColourKey(SDL_Surface* image, Uint32 key);
