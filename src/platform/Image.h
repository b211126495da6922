#pragma once
#include <SDL/SDL.h>

#include <cstddef>

// A handle of its own to the picture in a PNG, or nullptr when the file is
// missing or broken. Nothing is reported: the game goes on without the picture.
// Every handle to a file shares its one decoded copy of the pixels (nothing
// writes into them) but has its own colour key and alpha flags.
SDL_Surface* loadImage(const char* path);

// A copy of rows top … top + rows - 1 of `image` (which must lie inside it) with
// pixels of its own, for a picture that gets painted on; nullptr for an empty
// image. May be called from a helper thread, as the pictures below.
SDL_Surface* privateRows(const SDL_Surface* image, int top, int rows);

// A picture of the image's size, format and look with pixels of its own, every
// pixel clear; nullptr for an empty image.
SDL_Surface* privateBlank(const SDL_Surface* image);
// As privateBlank, but in the browser the pixels are left as they come: for a
// picture every row of which is written before anything reads it.
SDL_Surface* privateUnset(const SDL_Surface* image);
// Copies rows top … top + rows - 1 of `from` into the same rows of `to`, a private
// picture as wide; both must hold those rows.
void copyRows(const SDL_Surface* from, SDL_Surface* to, int top, int rows);

// Forgets the decoded pictures kept for later loads, so pictures nobody holds go back.
void releaseDecodedImages();

// Frees a surface that may be empty; the shared pixels go with the last handle.
void freeImage(SDL_Surface*& image);

// Sets the raw pixel value `key` as the colour key, without RLE; does nothing
// for an empty image.
void setColourKey(SDL_Surface* image, Uint32 key);

// Decodes one picture the browser handed out blank (see LateDecoding) and sets
// the colour key given it meanwhile; false once none waits.
bool decodeNextPicture();

// True once the picture's pixels are all in: in the browser the background
// comes in a slice a call, after start-up (see LateDecoding).
bool pictureIn(const SDL_Surface* picture);

// Bytes of picture pixels alive: each decoded picture once, and every private copy.
size_t sharedPictureBytes();
size_t privatePictureBytes();
