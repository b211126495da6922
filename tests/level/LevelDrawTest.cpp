// The view drawing: which level pixels land where, and the dark fill off the picture.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "level/LevelBuild.h"
#include "platform/Video.h"

namespace {
const uint32_t kUnwritten = 0xFF123456;
const uint32_t kRgb = 0xFFFFFF;

// Every level pixel names its own position.
uint32_t levelPixel(int x, int y) { return 0xFF000000 | (y << 12) | x; }

class LevelDrawTest : public ::testing::Test {
 protected:
  // Borrows the first level and gives its picture back afterwards.
  void SetUp() override {
    levelBuild.waitFor(0);
    saved = level.levelImage;
    level.levelImage = makeRgbaSurface(1000, 800, 0);
    for (int y = 0; y < 800; ++y)
      for (int x = 0; x < 1000; ++x) putPixel32(level.levelImage, x, y, levelPixel(x, y));
    screen = makeRgbaSurface(640, 480, kUnwritten);
    level.opaqueRowOf = nullptr;  // a freed picture's address may come back
  }
  void TearDown() override {
    SDL_FreeSurface(level.levelImage);
    level.levelImage = saved;
    level.opaqueRowOf = nullptr;
    SDL_FreeSurface(screen);
  }
  uint32_t shown(int sx, int sy) { return getPixel32(screen, sx, sy) & kRgb; }
  Level& level = levels[0];
  SDL_Surface* saved = nullptr;
  SDL_Surface* screen = nullptr;
};

TEST_F(LevelDrawTest, ShowsTheWindowAtTheRoundedViewOriginAndDarkBeyondThePicture) {
  const struct {
    float viewX, viewY;
    int sx, sy, levelX, levelY;  // levelX -1: dark
  } cases[] = {{100, 100, 0, 0, 100, 100},        {100, 100, 639, 479, 739, 579}, {0.5f, -0.5f, 0, 0, 1, 0},
               {0.5f, -0.5f, 639, 479, 640, 479}, {-20, 0, 20, 0, 0, 0},          {-20, 0, 0, 100, -1, 0},
               {-20, 0, 19, 100, -1, 0},          {500, 400, 499, 399, 999, 799}, {500, 400, 500, 0, -1, 0},
               {500, 400, 0, 400, -1, 0},         {-5000, 0, 639, 479, -1, 0}};
  for (const auto& c : cases) {
    level.draw(screen, c.viewX, c.viewY);
    EXPECT_EQ(shown(c.sx, c.sy), c.levelX < 0 ? 0u : levelPixel(c.levelX, c.levelY) & kRgb)
        << "view " << c.viewX << "," << c.viewY << " screen " << c.sx << "," << c.sy;
  }
}

// Opaque rows are copied to the 24-bit screen, translucent ones blended exactly
// as SDL blends them.
TEST_F(LevelDrawTest, OpaqueRowsAreCopiedAndTranslucentRowsBlended) {
  for (int x = 0; x < 1000; ++x) putPixel32(level.levelImage, x, 150, 0x80204060);
  SDL_Surface* real = ScreenSurface;
  SDL_FillRect(real, nullptr, SDL_MapRGB(real->format, 200, 100, 50));
  SDL_Surface* before = SDL_ConvertSurface(real, real->format, SDL_SWSURFACE);
  level.draw(real, 100.0f, 100.0f);
  SDL_Rect row = {100, 150, 640, 1};
  SDL_Rect at = {0, 50, 0, 0};
  SDL_BlitSurface(level.levelImage, &row, before, &at);
  for (int sx = 0; sx < 640; sx += 13) {
    uint32_t p = levelPixel(sx + 100, 100 + 7);
    EXPECT_EQ(rgbOfPixel(real, sx, 7), ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF)) << sx;
    EXPECT_EQ(rgbOfPixel(real, sx, 50), rgbOfPixel(before, sx, 50)) << sx;
  }
  SDL_FreeSurface(before);
}
}  // namespace
