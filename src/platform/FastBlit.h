#pragma once
// Exact shortcuts for the level's two big blits. The level picture never
// changes after loading, so which parts of it are opaque is known once; an
// opaque part blends to a plain copy and a clear part changes nothing.
#include <SDL/SDL.h>

#include <vector>

enum class Cover { Clear, Opaque, Mixed };

// How the alpha channel covers a rectangle of a picture; Mixed for a picture without alpha.
Cover alphaCoverOf(SDL_Surface* picture, const SDL_Rect& area);

// Copies an opaque rectangle of `sheet` onto `image` at (dx, dy), keeping the
// image's own alpha, exactly as an alpha blit would; false when the two
// pictures differ in format and the caller must blit.
bool copyOpaqueArea(SDL_Surface* sheet, const SDL_Rect& area, SDL_Surface* image, int dx, int dy);

// Blends a rectangle of `sheet` onto `image` at (dx, dy) by the sheet's alpha,
// keeping the image's own alpha, as SDL's alpha blit does; false when the two
// pictures differ in format. For where a blit costs a copy of the whole image.
bool blendArea(SDL_Surface* sheet, const SDL_Rect& area, SDL_Surface* image, int dx, int dy);

// One flag a row: the row is fully opaque.
std::vector<bool> opaqueRows(SDL_Surface* picture);

// Copies `width` pixels of an opaque row of `picture` to the screen, converting
// the format; false when the screen's format has no shortcut here.
bool copyRowToScreen(SDL_Surface* picture, int sx, int sy, int width, SDL_Surface* screen, int dx, int dy);
