// The pixel reader and the solid rule.
#include <gtest/gtest.h>

#include <utility>

#include "TestSupport.h"
#include "level/LevelBuild.h"
#include "level/Pixels.h"

namespace {
TEST(PixelsTest, OutsidePointsPrintTheFirstFailedCheckAndAreNotSolid) {
  SDL_Surface* image = makeRgbaSurface(100, 100, 0xFF000000);
  struct Case {
    int x, y;
    const char* line;
  } cases[] = {{100, 5, "  iGetPixel: Error: x (100) >= w\n"},
               {5, -1, "  iGetPixel: Error: y (-1) < 0\n"},
               {-1, -1, "  iGetPixel: Error: x (-1) < 0\n"},
               {5, 100, "  iGetPixel: Error: y (100) >= h\n"}};
  for (const Case& c : cases) {
    StdoutCapture out;
    EXPECT_FALSE(isSolidAt(image, c.x, c.y));
    EXPECT_EQ(out.text(), c.line);
  }
  StdoutCapture out;
  EXPECT_EQ(iGetPixel(image, 99, 99), 0xFF000000u);
  EXPECT_EQ(out.text(), "");
  SDL_FreeSurface(image);
}

TEST(PixelsTest, OnlyOpaqueNotNearWhitePixelsAreSolid) {
  SDL_Surface* image = makeRgbaSurface(1, 1, 0);
  const std::pair<uint32_t, bool> cases[] = {{0xFF000000, true},  {0xFFFFFFF5, true},  {0x80FFFFFF, true},
                                             {0xFFFFFFF6, false}, {0xFFFFFFFF, false}, {0x7F000000, false},
                                             {0x00000000, false}};
  for (auto [pixel, solid] : cases) {
    putPixel32(image, 0, 0, pixel);
    EXPECT_EQ(isSolidAt(image, 0, 0), solid) << std::hex << pixel;
  }
  SDL_FreeSurface(image);
}

// The walls of every level come from its collision picture (the level ground tests).
TEST(LevelSolidTest, ALevelWithoutItsCollisionImageHasNothingSolidAndPrintsNothing) {
  levelBuild.waitFor(2);
  SDL_Surface* saved = levels[2].collisionImage;
  levels[2].collisionImage = nullptr;
  StdoutCapture out;
  EXPECT_FALSE(levels[2].isSolid(5, 5));
  EXPECT_EQ(out.text(), "");
  levels[2].collisionImage = saved;
}
}  // namespace
