#pragma once
#include <SDL/SDL.h>

// What a surface's format says, read the same way on the desktop and in the
// browser, whose SDL keeps no colour key or surface alpha in the format.

// True when `s` has a colour key, with the key as a raw pixel value in `key`.
bool colourKeyOf(const SDL_Surface* s, Uint32& key);
// The alpha of the whole surface (opaque in the browser).
Uint8 surfaceAlphaOf(const SDL_Surface* s);
// Sets the format's shift fields from its masks where SDL leaves them unset (the
// browser's does); the blits that copy whole bytes read them.
void fillShifts(SDL_Surface* s);
