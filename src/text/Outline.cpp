#include "text/Outline.h"

#include <initializer_list>

namespace {
// Palette entries of the outlined picture; the first one is the colour key.
const Uint8 kClear = 0, kRing = 1, kGlyph = 2;

bool isGlyph(SDL_Surface* glyphs, int x, int y) {
  return static_cast<Uint8*>(glyphs->pixels)[y * glyphs->pitch + x] != 0;
}
}  // namespace

SDL_Surface* outlineText(SDL_Surface* glyphs, SDL_Color colour, SDL_Color dark) {
  if (!glyphs) return nullptr;
  const int w = glyphs->w + 2 * kOutlineWidth, h = glyphs->h + 2 * kOutlineWidth;
  SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
  if (!out) return nullptr;
  SDL_Color palette[] = {{0, 0, 0, 0}, dark, colour};
  SDL_SetColors(out, palette, 0, 3);
  SDL_FillRect(out, nullptr, kClear);
  SDL_LockSurface(glyphs);
  Uint8* px = static_cast<Uint8*>(out->pixels);
  // The ring first, then the glyphs over it, so touching letters keep their shape.
  for (Uint8 pass : {kRing, kGlyph})
    for (int y = 0; y < glyphs->h; ++y)
      for (int x = 0; x < glyphs->w; ++x) {
        if (!isGlyph(glyphs, x, y)) continue;
        const int cx = x + kOutlineWidth, cy = y + kOutlineWidth;
        const int r = pass == kRing ? kOutlineWidth : 0;
        for (int oy = cy - r; oy <= cy + r; ++oy)
          for (int ox = cx - r; ox <= cx + r; ++ox) px[oy * out->pitch + ox] = pass;
      }
  SDL_UnlockSurface(glyphs);
  SDL_SetColorKey(out, SDL_SRCCOLORKEY | SDL_RLEACCEL, kClear);
  return out;
}
