// The collision map: the solid rule, the messages of a probe outside it, and every
// level's and the shop's collision, pixel for pixel as before it became a map.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include "TestSupport.h"
#include "level/LevelBuild.h"
#include "shell/Shop.h"

namespace {
// Made with the code before the map, by the same hash over each level's 32-bit
// collision image as the level painter left it (levels 0 … 4 from the level files
// of that day) and over the background the shop's walk probed, a pixel counting as
// solid by the solid rule (the pixel value as a signed number below -10).
const uint64_t kLevelHashes[kLevelCount] = {0xaf634c3d428276f6, 0x5e08f4eac0826812, 0x8f0c97a696d80002,
                                            0x60ac2a0c808cc766, 0x3a8a6a25a2433af6};
const uint64_t kShopHash = 0x961fd6403df6f212;

// A changed level file changes its hash too.
TEST(CollisionMapTest, EveryLevelAndTheShopAreSolidWhereTheirCollisionPicturesWere) {
  for (int n = 0; n < kLevelCount; ++n) {
    levelBuild.waitFor(n);
    const uint64_t hash = levels[n].getCollisionMap().hash();
    EXPECT_EQ(hash, kLevelHashes[n]) << "level " << n << std::hex << ": 0x" << hash;
  }
  EXPECT_EQ(shopCollision().hash(), kShopHash);
}

// The browser paints a level a few rows a pass: the slices must join up exactly,
// in the picture (where a row painted twice blends twice) and in the map.
TEST(CollisionMapTest, ALevelPaintedInSlicesIsTheLevelPaintedAtOnce) {
  Level whole, sliced;
  whole.paint(3);
  sliced.startPaint(3);
  int slices = 1;
  while (!sliced.paintRows(7)) ++slices;
  EXPECT_EQ(slices, 200);  // 1400 rows, 7 a slice
  EXPECT_EQ(sliced.getCollisionMap().hash(), kLevelHashes[3]);
  const SDL_Surface *a = whole.levelImage, *b = sliced.levelImage;
  ASSERT_TRUE(a && b && a->pitch == b->pitch && a->h == b->h);
  EXPECT_EQ(std::memcmp(a->pixels, b->pixels, size_t(a->pitch) * a->h), 0);
}

// The slices above share any fault of the painting itself: where the map has air
// the level picture must be the background, on its first and last rows too.
TEST(CollisionMapTest, ALevelPictureIsTheBackgroundWhereTheMapHasAir) {
  namespace fs = std::filesystem;
  const fs::path home = fs::current_path(), dir = makeScratchGameDir(home);
  fs::remove(dir / "level0.txt");
  std::ofstream map(dir / "level0.txt");
  for (int row = 0; row < 28; ++row) map << (row % 3 ? "h..a" : ".h.a") << std::string(140, '.') << "\n";
  map.close();
  fs::current_path(dir);
  Level level;
  level.paint(0);  // level 0's air is clear in the sheet
  fs::current_path(home);
  fs::remove_all(dir);
  const SDL_Surface *image = level.levelImage, *background = level.background;
  ASSERT_TRUE(image && background && image->pitch == background->pitch && image->h == background->h);
  const int cellBytes = tile::kSize * background->format->BytesPerPixel;
  for (int y = 0; y < image->h; ++y)
    for (int column = 0; column < image->w / tile::kSize; ++column) {
      const size_t at = size_t(y) * image->pitch + size_t(column) * cellBytes;
      if (column == 3 || column == (y / tile::kSize % 3 ? 0 : 1)) continue;  // a tile
      ASSERT_EQ(std::memcmp(static_cast<char*>(image->pixels) + at,
                            static_cast<char*>(background->pixels) + at, cellBytes),
                0)
          << "row " << y << ", cell " << column;
    }
}

TEST(CollisionMapTest, OutsidePointsPrintTheFirstFailedCheckAndAreNotSolid) {
  const CollisionMap map = collisionOf(rgbaPicture(100, 100, 0xFF000000).get());
  struct Case {
    int x, y;
    const char* line;
  } cases[] = {{100, 5, "  iGetPixel: Error: x (100) >= w\n"},
               {5, -1, "  iGetPixel: Error: y (-1) < 0\n"},
               {-1, -1, "  iGetPixel: Error: x (-1) < 0\n"},
               {5, 100, "  iGetPixel: Error: y (100) >= h\n"},
               {99, 99, ""}};
  for (const Case& c : cases) {
    StdoutCapture out;
    EXPECT_EQ(map.isSolid(c.x, c.y), !*c.line);
    EXPECT_EQ(out.text(), c.line);
  }
  // A level whose picture failed to load: nothing solid, and nothing said.
  StdoutCapture out;
  EXPECT_FALSE(CollisionMap().isSolid(-1, 5));
  EXPECT_EQ(out.text(), "");
}

TEST(CollisionMapTest, OnlyOpaqueNotNearWhitePixelsAreSolid) {
  Picture picture = rgbaPicture(3, 3, 0);
  const std::pair<uint32_t, bool> cases[] = {{0xFF000000, true},  {0xFFFFFFF5, true},  {0x80FFFFFF, true},
                                             {0xFFFFFFF6, false}, {0xFFFFFFFF, false}, {0x7F000000, false},
                                             {0x00000000, false}};
  for (auto [pixel, solid] : cases) {
    putPixel32(picture.get(), 1, 2, pixel);
    const CollisionMap map = collisionOf(picture.get());
    EXPECT_EQ(map.isSolid(1, 2), solid) << std::hex << pixel;
    EXPECT_FALSE(map.isSolid(2, 1));
  }
}
}  // namespace
