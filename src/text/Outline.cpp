#include "text/Outline.h"

#include <initializer_list>

namespace {
// Palette entries of the outlined picture; the first one is the colour key.
const Uint8 kClear = 0, kRing = 1, kGlyph = 2;

// The browser's SDL makes every picture 32-bit with alpha, the glyphs and the
// outline too, and draws its glyphs smoothed: there a pixel at least half covered
// is a glyph's, so the letters keep the desktop's weight.
bool isGlyph(SDL_Surface* glyphs, int x, int y) {
  const Uint8* row = static_cast<Uint8*>(glyphs->pixels) + y * glyphs->pitch;
  if (glyphs->format->BytesPerPixel != 4) return row[x] != 0;
  const SDL_PixelFormat* f = glyphs->format;
  const Uint32 alpha = (reinterpret_cast<const Uint32*>(row)[x] & f->Amask) >> f->Ashift;
  return alpha >= (f->Amask >> f->Ashift) / 2 + 1;
}

void putEntry(SDL_Surface* out, int x, int y, Uint8 entry, const Uint32 (&rgba)[3]) {
  Uint8* row = static_cast<Uint8*>(out->pixels) + y * out->pitch;
  if (out->format->BytesPerPixel == 1)
    row[x] = entry;
  else
    reinterpret_cast<Uint32*>(row)[x] = rgba[entry];
}
}  // namespace

SDL_Surface* outlineText(SDL_Surface* glyphs, SDL_Color colour, SDL_Color dark) {
  if (!glyphs) return nullptr;
  const int w = glyphs->w + 2 * kOutlineWidth, h = glyphs->h + 2 * kOutlineWidth;
  SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
  if (!out) return nullptr;
  SDL_Color palette[] = {{0, 0, 0, 0}, dark, colour};
  if (out->format->BytesPerPixel == 1) SDL_SetColors(out, palette, 0, 3);
  SDL_FillRect(out, nullptr, kClear);
  const Uint32 rgba[] = {0, SDL_MapRGBA(out->format, dark.r, dark.g, dark.b, SDL_ALPHA_OPAQUE),
                         SDL_MapRGBA(out->format, colour.r, colour.g, colour.b, SDL_ALPHA_OPAQUE)};
  SDL_LockSurface(glyphs);
  SDL_LockSurface(out);
  // The ring first, then the glyphs over it, so touching letters keep their shape.
  for (Uint8 pass : {kRing, kGlyph})
    for (int y = 0; y < glyphs->h; ++y)
      for (int x = 0; x < glyphs->w; ++x) {
        if (!isGlyph(glyphs, x, y)) continue;
        const int cx = x + kOutlineWidth, cy = y + kOutlineWidth;
        const int r = pass == kRing ? kOutlineWidth : 0;
        for (int oy = cy - r; oy <= cy + r; ++oy)
          for (int ox = cx - r; ox <= cx + r; ++ox) putEntry(out, ox, oy, pass, rgba);
      }
  SDL_UnlockSurface(out);
  SDL_UnlockSurface(glyphs);
  SDL_SetColorKey(out, SDL_SRCCOLORKEY | SDL_RLEACCEL, kClear);
  return out;
}
