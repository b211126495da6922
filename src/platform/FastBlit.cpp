#include "platform/FastBlit.h"

#include <algorithm>

namespace {
bool hasAlpha32(const SDL_Surface* s) { return s && s->format->BytesPerPixel == 4 && s->format->Amask; }

const Uint32* rowOf(SDL_Surface* s, int y) {
  return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
}

// A sheet and a level picture never share memory, which lets the compiler
// copy several pixels at a time.
void copyKeepingAlpha(const Uint32* __restrict from, Uint32* __restrict to, int width, Uint32 amask) {
  for (int x = 0; x < width; ++x) to[x] = (from[x] & ~amask) | (to[x] & amask);
}

bool sameFormat(const SDL_PixelFormat* a, const SDL_PixelFormat* b) {
  return a->BytesPerPixel == b->BytesPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
         a->Bmask == b->Bmask && a->Amask == b->Amask;
}
}  // namespace

Cover alphaCoverOf(SDL_Surface* picture, const SDL_Rect& area) {
  if (!hasAlpha32(picture)) return Cover::Mixed;
  const Uint32 amask = picture->format->Amask;
  bool anyClear = false, anyOpaque = false;
  int x1 = std::min<int>(area.x + area.w, picture->w), y1 = std::min<int>(area.y + area.h, picture->h);
  SDL_LockSurface(picture);
  for (int y = std::max<int>(area.y, 0); y < y1; ++y) {
    const Uint32* row = rowOf(picture, y);
    for (int x = std::max<int>(area.x, 0); x < x1; ++x) {
      Uint32 a = row[x] & amask;
      anyClear |= a == 0;
      anyOpaque |= a == amask;
      if (a != 0 && a != amask) anyClear = anyOpaque = true;
    }
  }
  SDL_UnlockSurface(picture);
  if (anyClear && anyOpaque) return Cover::Mixed;
  return anyOpaque ? Cover::Opaque : Cover::Clear;
}

namespace {
// Runs `work(from, to, width)` on each row of `area` of the sheet and the image's
// rows from (dx, dy), both cut to their pictures; false when the two pictures
// differ in format and the caller must blit.
template <typename RowWork>
bool eachAreaRow(SDL_Surface* sheet, const SDL_Rect& area, SDL_Surface* image, int dx, int dy, RowWork work) {
  if (!hasAlpha32(sheet) || !hasAlpha32(image) || !sameFormat(sheet->format, image->format)) return false;
  int w = std::min<int>(area.w, std::min<int>(sheet->w - area.x, image->w - dx));
  int h = std::min<int>(area.h, std::min<int>(sheet->h - area.y, image->h - dy));
  SDL_LockSurface(sheet);
  SDL_LockSurface(image);
  for (int y = 0; y < h; ++y)
    work(rowOf(sheet, area.y + y) + area.x, const_cast<Uint32*>(rowOf(image, dy + y)) + dx, w);
  SDL_UnlockSurface(image);
  SDL_UnlockSurface(sheet);
  return true;
}
}  // namespace

bool copyOpaqueArea(SDL_Surface* sheet, const SDL_Rect& area, SDL_Surface* image, int dx, int dy) {
  const Uint32 amask = image ? image->format->Amask : 0;
  return eachAreaRow(sheet, area, image, dx, dy, [amask](const Uint32* from, Uint32* to, int w) {
    copyKeepingAlpha(from, to, w, amask);
  });
}

namespace {
const int kChannelBits = 8;

// One colour channel of d moved toward s by alpha/256, as SDL blends.
Uint32 blendChannel(Uint32 s, Uint32 d, Uint32 alpha, int shift) {
  int from = int((s >> shift) & 0xff), to = int((d >> shift) & 0xff);
  to += ((from - to) * int(alpha)) >> kChannelBits;
  return Uint32(to & 0xff) << shift;
}

void blendRow(const Uint32* from, Uint32* to, int width, const SDL_PixelFormat* f) {
  for (int x = 0; x < width; ++x) {
    const Uint32 s = from[x], d = to[x], alpha = (s & f->Amask) >> f->Ashift;
    if (alpha == 0) continue;
    if (alpha == 0xff) {
      to[x] = (s & ~f->Amask) | (d & f->Amask);
      continue;
    }
    to[x] = blendChannel(s, d, alpha, f->Rshift) | blendChannel(s, d, alpha, f->Gshift) |
            blendChannel(s, d, alpha, f->Bshift) | (d & f->Amask);
  }
}
}  // namespace

bool blendArea(SDL_Surface* sheet, const SDL_Rect& area, SDL_Surface* image, int dx, int dy) {
  const SDL_PixelFormat* f = image ? image->format : nullptr;
  return eachAreaRow(sheet, area, image, dx, dy,
                     [f](const Uint32* from, Uint32* to, int w) { blendRow(from, to, w, f); });
}

std::vector<bool> opaqueRows(SDL_Surface* picture) {
  std::vector<bool> rows(picture ? picture->h : 0, false);
  if (!hasAlpha32(picture) || picture->w <= 0) return rows;
  const Uint32 amask = picture->format->Amask;
  SDL_LockSurface(picture);
  for (int y = 0; y < picture->h; ++y) {
    // A row is opaque when every pixel's alpha is full: the AND of them all keeps it full.
    const Uint32* row = rowOf(picture, y);
    Uint32 all = amask;
    for (int x = 0; x < picture->w; ++x) all &= row[x];
    rows[y] = (all & amask) == amask;
  }
  SDL_UnlockSurface(picture);
  return rows;
}

namespace {
// The usual pair, worth a loop of its own: a picture with red in its lowest
// byte onto a 24-bit screen with blue in its lowest byte.
bool isRgbaOntoBgr(const SDL_PixelFormat* from, const SDL_PixelFormat* to) {
  return from->Rshift == 0 && from->Gshift == 8 && from->Bshift == 16 && to->BytesPerPixel == 3 &&
         to->Rshift == 16 && to->Gshift == 8 && to->Bshift == 0;
}

void copyRgbaOntoBgr(const Uint32* src, Uint8* dst, int width) {
  for (int x = 0; x < width; ++x) {
    Uint32 p = src[x];
    dst[3 * x] = static_cast<Uint8>(p >> 16);
    dst[3 * x + 1] = static_cast<Uint8>(p >> 8);
    dst[3 * x + 2] = static_cast<Uint8>(p);
  }
}
}  // namespace

bool copyRowToScreen(SDL_Surface* picture, int sx, int sy, int width, SDL_Surface* screen, int dx, int dy) {
  const SDL_PixelFormat* to = screen->format;
  if (to->BytesPerPixel != 3 && to->BytesPerPixel != 4) return false;
  if (picture->format->BytesPerPixel != 4 || to->Rshift % 8 || to->Gshift % 8 || to->Bshift % 8) return false;
  const SDL_PixelFormat* from = picture->format;
  const int step = to->BytesPerPixel;
  if (isRgbaOntoBgr(from, to)) {
    copyRgbaOntoBgr(rowOf(picture, sy) + sx,
                    static_cast<Uint8*>(screen->pixels) + dy * screen->pitch + dx * 3, width);
    return true;
  }
  const int r = to->Rshift / 8, g = to->Gshift / 8, b = to->Bshift / 8;
  const Uint32* src = rowOf(picture, sy) + sx;
  Uint8* dst = static_cast<Uint8*>(screen->pixels) + dy * screen->pitch + dx * step;
  for (int x = 0; x < width; ++x, dst += step) {
    Uint32 p = src[x];
    dst[r] = static_cast<Uint8>(p >> from->Rshift);
    dst[g] = static_cast<Uint8>(p >> from->Gshift);
    dst[b] = static_cast<Uint8>(p >> from->Bshift);
  }
  return true;
}
