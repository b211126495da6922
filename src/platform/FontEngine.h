#pragma once
#include <SDL/SDL_ttf.h>

#include <string>

// The font at `size` points from the font file's bytes, read from `path`
// (which must stay alive as long as the font); nullptr when it cannot be
// opened or the font engine is not started. The browser draws with a font of
// its own and takes only the name.
TTF_Font* openFont(const std::string& bytes, const char* path, int size);
// How many px below its place the browser's text must be drawn to sit where the
// desktop's does: SDL_ttf puts the baseline at the font's ascent, the browser's SDL
// the glyphs' bottom (baseline and descent) at the font's size. 0 on the desktop.
int textDrop(TTF_Font* font);
