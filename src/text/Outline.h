#pragma once
#include <SDL/SDL.h>

const int kOutlineWidth = 1;  // px the outline reaches beyond the glyphs on every side

// Turns one-colour text, as TTF_RenderText_Solid gives it, into a picture one pixel
// larger on every side: the glyphs in `colour` ringed by `dark`, transparent elsewhere,
// so the text reads over any sky, cloud or snow. Returns null when `glyphs` is null.
SDL_Surface* outlineText(SDL_Surface* glyphs, SDL_Color colour, SDL_Color dark);
