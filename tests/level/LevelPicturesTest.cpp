// The background and the two tile sheets, as the game reads them from its working
// directory. A broken picture would not crash the game; it would quietly make
// floors vanish or walls appear, so these checks catch it.
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "gen/level/TileLegend.h"

namespace {

// The caves (3) and the night (4) must not show the daytime sky of the shared
// background: their sheet rows are opaque, with a backdrop where other rows are clear.
bool hidesSky(int level) { return level == 3 || level == 4; }

// The shop walks the hero over these columns of the background with its feet on
// row 545 (px).
constexpr int kShopLeft = 355, kShopRight = 970, kShopFreeTop = 500, kShopFloorRow = 545;

bool solidPixel(uint32_t value) { return static_cast<int32_t>(value) < -10; }
bool whitePixel(uint32_t value) { return value == 0xFFFFFFFFu; }
uint8_t alphaOf(uint32_t value) { return value >> 24; }

uint32_t at(const Picture& p, int x, int y) { return getPixel32(p.get(), x, y); }

class LevelPicturesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    background = loadPicture("./pics/background.png");
    tiles = loadPicture("./pics/tiles.png");
    collision = loadPicture("./pics/tiles-collision.png");
  }
  static void TearDownTestSuite() {
    for (Picture* p : {&background, &tiles, &collision}) p->reset();
  }
  // Each test reads the pictures as RGBA, and every tile of the sheets.
  void SetUp() override {
    for (Picture* p : {&background, &tiles, &collision}) {
      ASSERT_NE(*p, nullptr) << IMG_GetError();
      ASSERT_TRUE(p == &background || ((*p)->w >= tile::kSheetWidth && (*p)->h >= tile::kSheetHeight));
      // Red in the lowest byte, alpha in the highest of 32 bits: the byte order the solid rule assumes.
      ASSERT_EQ((*p)->format->Rmask, 0x000000FFu);
      ASSERT_EQ((*p)->format->Amask, 0xFF000000u);
    }
  }

  // Every pixel of a cell of the collision sheet passes `test`.
  static bool wholeCell(int level, int column, bool (*test)(uint32_t)) {
    for (int y = 0; y < tile::kSize; ++y)
      for (int x = 0; x < tile::kSize; ++x)
        if (!test(at(collision, column * tile::kSize + x, level * tile::kSize + y))) return false;
    return true;
  }

  // Loaded once for the suite.
  static inline Picture background{nullptr, SDL_FreeSurface}, tiles{nullptr, SDL_FreeSurface},
      collision{nullptr, SDL_FreeSurface};
};

TEST_F(LevelPicturesTest, BackgroundIsOpaqueAndSolidExceptTheShopBand) {
  int transparent = 0, wrong = 0;
  for (int y = 0; y < background->h; ++y) {
    for (int x = 0; x < background->w; ++x) {
      uint32_t p = at(background, x, y);
      transparent += alphaOf(p) != 255;
      // The band is the shop's walkway; anywhere else a free pixel is a hole in an unwritten cell.
      bool inBand = x >= kShopLeft && x <= kShopRight && y >= kShopFreeTop && y < kShopFloorRow;
      wrong += solidPixel(p) == inBand;
    }
  }
  EXPECT_EQ(transparent, 0);
  EXPECT_EQ(wrong, 0);
}

// Air shows the sky by day and a backdrop in the caves and the night.
TEST_F(LevelPicturesTest, SolidTilesAreOpaqueAndSolidAndDecorationsAndAirFree) {
  for (int level = 0; level < kLevelCount; ++level) {
    for (int column = 0; column <= tile::kAir; ++column) {
      int opaque = 0, clear = 0;
      for (int y = 0; y < tile::kSize; ++y) {
        for (int x = 0; x < tile::kSize; ++x) {
          const uint8_t alpha = alphaOf(at(tiles, column * tile::kSize + x, level * tile::kSize + y));
          opaque += alpha == 255;
          clear += alpha == 0;
        }
      }
      const int all = tile::kSize * tile::kSize;
      std::string where = "level " + std::to_string(level) + " column " + std::to_string(column);
      if (tile::isSolid(column)) {
        EXPECT_EQ(opaque, all) << where;
        EXPECT_TRUE(wholeCell(level, column, solidPixel)) << where;
      }
      if (tile::isDecoration(column) || column == tile::kAir) {
        EXPECT_TRUE(wholeCell(level, column, whitePixel)) << where;
      }
      if (column == tile::kAir && !hidesSky(level)) {
        EXPECT_EQ(clear, all) << where;
      }
      // In the caves and the night a see-through decoration, plank or air would show the daytime sky.
      if ((tile::isDecoration(column) || column == tile::kLowPlank || column == tile::kAir) &&
          hidesSky(level)) {
        EXPECT_EQ(opaque, all) << where;
      }
    }
  }
}

TEST_F(LevelPicturesTest, LowPlankIsSolidOnlyFromItsTopDown) {
  for (int level = 0; level < kLevelCount; ++level) {
    for (int y = 0; y < tile::kSize; ++y) {
      uint32_t p = at(collision, tile::kLowPlank * tile::kSize + tile::kSize / 2, level * tile::kSize + y);
      EXPECT_EQ(solidPixel(p), y >= tile::kLowPlankTop) << "level " << level << " row " << y;
    }
  }
}

}  // namespace
