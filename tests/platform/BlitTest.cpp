// The browser draws every picture with the game's own blender: it must put the
// same pixels where SDL's alpha blit does, cut rectangles the same way and
// write back the same drawn rectangle.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/Blit.h"

namespace {
using Picture = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// R, G, B, A bytes, as every picture in the browser.
Picture rgba(int w, int h) {
  return Picture(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff, 0xff00, 0xff0000, 0xff000000),
                 SDL_FreeSurface);
}

// Every pixel a different colour; `alphas` cycles clear, opaque and between.
void paint(SDL_Surface* s, bool alphas) {
  const Uint8 kAlphas[] = {0, 255, 1, 128, 254, 77};
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      const Uint8 a = alphas ? kAlphas[(x + 2 * y) % 6] : 255;
      reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x] =
          SDL_MapRGBA(s->format, Uint8(x * 37 + y), Uint8(y * 53 + x), Uint8(x * y * 7), a);
    }
}

bool samePixels(const SDL_Surface* a, const SDL_Surface* b) {
  return std::memcmp(a->pixels, b->pixels, size_t(a->pitch) * a->h) == 0;
}
}  // namespace

TEST(BlitTest, BlendsAndCutsAsSdlDoes) {
  const SDL_Rect areas[] = {{0, 0, 16, 12}, {-3, 2, 10, 10}, {5, -4, 20, 8}, {10, 8, 10, 10}, {0, 0, 0, 0}};
  const int corners[][2] = {{-5, -3}, {0, 0}, {12, 9}, {28, 20}, {40, 40}, {-20, 5}};
  Picture sprite = rgba(16, 12);
  paint(sprite.get(), true);
  for (int whole = 0; whole < 2; ++whole)
    for (const SDL_Rect& area : areas)
      for (const auto& corner : corners) {
        Picture bySdl = rgba(32, 24), byGame = rgba(32, 24);
        paint(bySdl.get(), false);
        paint(byGame.get(), false);
        SDL_Rect sdlArea = area, gameArea = area;
        SDL_Rect sdlAt = {Sint16(corner[0]), Sint16(corner[1]), 0, 0}, gameAt = sdlAt;
        SDL_BlitSurface(sprite.get(), whole ? nullptr : &sdlArea, bySdl.get(), &sdlAt);
        blendBlit(sprite.get(), whole ? nullptr : &gameArea, byGame.get(), &gameAt);
        SCOPED_TRACE(testing::Message()
                     << "area " << area.x << "," << area.y << " " << area.w << "x" << area.h
                     << (whole ? " (whole)" : "") << " at " << corner[0] << "," << corner[1]);
        EXPECT_TRUE(samePixels(bySdl.get(), byGame.get()));
        EXPECT_EQ(sdlAt.w, gameAt.w);
        EXPECT_EQ(sdlAt.h, gameAt.h);
        if (sdlAt.w && sdlAt.h) {
          EXPECT_EQ(sdlAt.x, gameAt.x);
          EXPECT_EQ(sdlAt.y, gameAt.y);
        }
      }
}

TEST(BlitTest, FillsAsSdlDoes) {
  const SDL_Rect areas[] = {{-4, -4, 10, 10}, {30, 20, 10, 10}, {3, 5, 7, 2}, {40, 0, 5, 5}};
  for (const SDL_Rect& area : areas) {
    Picture bySdl = rgba(32, 24), byGame = rgba(32, 24);
    paint(bySdl.get(), true);
    paint(byGame.get(), true);
    SDL_Rect sdlArea = area;
    SDL_FillRect(bySdl.get(), &sdlArea, 0x80402010);
    fillPixels(byGame.get(), &area, 0x80402010);
    EXPECT_TRUE(samePixels(bySdl.get(), byGame.get())) << "area " << area.x << "," << area.y;
  }
}
