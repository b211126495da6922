#pragma once
#include <SDL/SDL.h>

// The game's one way to draw a picture onto another, to fill a rectangle and to
// show the finished screen. The desktop lets SDL do the work. The browser's SDL
// would keep every picture as a canvas of its own, hundreds of MB for the level
// pictures alone; there every picture's pixels live in the game's memory, the
// drawing is done here, and the screen reaches the page in one copy a pass.

// Draws `area` of `from` (all of it for nullptr) at `at`'s corner of `to`,
// blending by `from`'s alpha. Like SDL, writes the drawn rectangle back to `at`.
void blit(SDL_Surface* from, const SDL_Rect* area, SDL_Surface* to, SDL_Rect* at);

// Fills `area` of `to` (all of it for nullptr) with a pixel value of its format.
void fillArea(SDL_Surface* to, const SDL_Rect* area, Uint32 colour);

// Puts the pass's picture on the window (the page's canvas).
void showScreen(SDL_Surface* screen);

// The browser's blit and fill, on pictures of 32 bits with alpha whose pixels
// are in memory; built everywhere, so that tests hold them to SDL's.
void blendBlit(SDL_Surface* from, const SDL_Rect* area, SDL_Surface* to, SDL_Rect* at);
void fillPixels(SDL_Surface* to, const SDL_Rect* area, Uint32 colour);
