// The background, the two tile sheets and the five maps, as the game reads them
// from its working directory. A broken picture or map would not crash the game;
// it would quietly make floors vanish or walls appear, so these checks catch it.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "extras/Extra.h"
#include "gen/TileLegend.h"

namespace {

constexpr int kLevelWidth = 7200, kLevelHeight = 1400;  // px
constexpr int kSheetWidth = tile::kColumns * tile::kSize, kSheetHeight = tile::kRows * tile::kSize;
constexpr int kMapColumns = kLevelWidth / tile::kSize, kMapRows = kLevelHeight / tile::kSize;
constexpr int kLevels = 5;
constexpr int kMinDrawnPixels = 60;  // the smallest decoration covers more; a stray speck far less

// The caves (3) and the night (4) must not show the daytime sky of the shared
// background: their sheet rows are opaque, with a backdrop where other rows are clear.
bool hidesSky(int level) { return level == 3 || level == 4; }

// The shop walks the hero over these columns of the background with its feet on
// row 545 (px).
constexpr int kShopLeft = 355, kShopRight = 970, kShopFreeTop = 500, kShopFloorRow = 545;

bool solidPixel(uint32_t value) { return static_cast<int32_t>(value) < -10; }
uint8_t alphaOf(uint32_t value) { return value >> 24; }

// A picture loaded once for the suite; `at` reads one pixel.
struct SuitePicture {
  Picture picture{nullptr, SDL_FreeSurface};
  uint32_t at(int x, int y) const { return getPixel32(picture.get(), x, y); }
};

void expectRgba(const SuitePicture& p, int width, int height) {
  ASSERT_NE(p.picture, nullptr) << IMG_GetError();
  EXPECT_EQ(p.picture->w, width);
  EXPECT_EQ(p.picture->h, height);
  ASSERT_EQ(p.picture->format->BytesPerPixel, 4);
  // Red in the lowest byte, alpha in the highest: the byte order the solid rule assumes.
  EXPECT_EQ(p.picture->format->Rmask, 0x000000FFu);
  EXPECT_EQ(p.picture->format->Amask, 0xFF000000u);
}

class LevelPicturesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    background.picture = loadPicture("./pics/background.png");
    tiles.picture = loadPicture("./pics/tiles.png");
    collision.picture = loadPicture("./pics/tiles-collision.png");
  }
  static void TearDownTestSuite() {
    for (SuitePicture* p : {&background, &tiles, &collision}) p->picture.reset();
  }
  void SetUp() override {
    for (SuitePicture* p : {&background, &tiles, &collision}) ASSERT_NE(p->picture, nullptr);
  }

  // Every pixel of a cell of the collision sheet passes `test`.
  static bool wholeCell(int level, int column, bool (*test)(uint32_t)) {
    for (int y = 0; y < tile::kSize; ++y)
      for (int x = 0; x < tile::kSize; ++x)
        if (!test(collision.at(column * tile::kSize + x, level * tile::kSize + y))) return false;
    return true;
  }

  // Pixels of a cell of the shown sheet that differ from the air cell of its row.
  static int differentFromAir(int level, int column) {
    int n = 0;
    for (int y = 0; y < tile::kSize; ++y)
      for (int x = 0; x < tile::kSize; ++x)
        n += tiles.at(column * tile::kSize + x, level * tile::kSize + y) !=
             tiles.at(tile::kAir * tile::kSize + x, level * tile::kSize + y);
    return n;
  }

  static inline SuitePicture background, tiles, collision;
};

TEST_F(LevelPicturesTest, PicturesAreRgbaOfTheLevelAndSheetSizes) {
  expectRgba(background, kLevelWidth, kLevelHeight);
  expectRgba(tiles, kSheetWidth, kSheetHeight);
  expectRgba(collision, kSheetWidth, kSheetHeight);
}

TEST_F(LevelPicturesTest, BackgroundIsOpaqueAndSolidExceptTheShopBand) {
  int transparent = 0, freeOutsideBand = 0;
  for (int y = 0; y < kLevelHeight; ++y) {
    for (int x = 0; x < kLevelWidth; ++x) {
      uint32_t p = background.at(x, y);
      if (alphaOf(p) != 255) ++transparent;
      bool inBand = x >= kShopLeft && x <= kShopRight && y >= kShopFreeTop && y < kShopFloorRow;
      if (!inBand && !solidPixel(p)) ++freeOutsideBand;
    }
  }
  EXPECT_EQ(transparent, 0);
  EXPECT_EQ(freeOutsideBand, 0)
      << "a free background pixel outside the shop band is a hole in any unwritten map cell";
}

TEST_F(LevelPicturesTest, ShopBandIsFreeAboveASolidFloor) {
  for (int x = kShopLeft; x <= kShopRight; ++x) {
    for (int y = kShopFreeTop; y < kShopFloorRow; ++y)
      ASSERT_FALSE(solidPixel(background.at(x, y))) << "shop walkway blocked at " << x << "," << y;
    ASSERT_TRUE(solidPixel(background.at(x, kShopFloorRow))) << "shop floor missing at column " << x;
  }
}

TEST_F(LevelPicturesTest, AirShowsTheSkyByDayAndABackdropInTheCavesAndTheNight) {
  for (int level = 0; level < kLevels; ++level) {
    for (int y = 0; y < tile::kSize; ++y) {
      for (int x = 0; x < tile::kSize; ++x) {
        int sx = tile::kAir * tile::kSize + x, sy = level * tile::kSize + y;
        ASSERT_EQ(alphaOf(tiles.at(sx, sy)), hidesSky(level) ? 255 : 0) << "level " << level;
        ASSERT_EQ(collision.at(sx, sy), 0xFFFFFFFFu) << "level " << level;
      }
    }
  }
}

TEST_F(LevelPicturesTest, SolidTilesAreOpaqueAndDarkDecorationsVisibleAndFree) {
  for (int level = 0; level < kLevels; ++level) {
    for (int column = 0; column < tile::kAir; ++column) {
      int opaque = 0, clear = 0;
      for (int y = 0; y < tile::kSize; ++y)
        for (int x = 0; x < tile::kSize; ++x)
          (alphaOf(tiles.at(column * tile::kSize + x, level * tile::kSize + y)) == 255 ? opaque : clear)++;
      std::string where = "level " + std::to_string(level) + " column " + std::to_string(column);
      if (tile::isSolid(column)) {
        EXPECT_EQ(clear, 0) << where;
        EXPECT_TRUE(wholeCell(level, column, solidPixel)) << where;
      }
      if (tile::isDecoration(column)) {
        EXPECT_GT(opaque, 0) << where << " shows nothing";
        EXPECT_TRUE(wholeCell(level, column, [](uint32_t p) { return p == 0xFFFFFFFFu; })) << where;
      }
      if (tile::isDecoration(column) || column == tile::kLowPlank) {
        // In daylight the background shows around a decoration or a plank; in
        // the caves and the night the backdrop must, or the sky would.
        if (hidesSky(level))
          EXPECT_EQ(clear, 0) << where << " lets the daytime sky through";
        else
          EXPECT_GT(clear, 0) << where << " hides what is behind it";
        EXPECT_GT(differentFromAir(level, column), kMinDrawnPixels) << where << " shows nothing";
      }
    }
  }
}

TEST_F(LevelPicturesTest, LowPlankIsSolidOnlyFromItsTopDown) {
  for (int level = 0; level < kLevels; ++level) {
    for (int y = 0; y < tile::kSize; ++y) {
      uint32_t p = collision.at(tile::kLowPlank * tile::kSize + tile::kSize / 2, level * tile::kSize + y);
      EXPECT_EQ(solidPixel(p), y >= tile::kLowPlankTop) << "level " << level << " row " << y;
    }
  }
}

// ---- The maps -------------------------------------------------------------

std::vector<std::string> readMap(int level) {
  std::ifstream in("level" + std::to_string(level) + ".txt");
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);) rows.push_back(line);
  return rows;
}

int tileColumn(char c) { return c >= 'a' && c <= 'y' ? c - 'a' : tile::kAir; }

class LevelMapTest : public LevelPicturesTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    rows = readMap(GetParam());
    ASSERT_EQ(rows.size(), size_t(kMapRows));
    for (const std::string& r : rows) ASSERT_EQ(r.size(), size_t(kMapColumns)) << "row '" << r << "'";
  }
  // Solid over the whole cell: no probe can slip through anywhere in it.
  bool wall(int row, int column) const {
    return wholeCell(GetParam(), tileColumn(rows[row][column]), solidPixel);
  }
  // Nothing solid at the cell's centre.
  bool open(int row, int column) const {
    int c = tileColumn(rows[row][column]);
    return !solidPixel(
        collision.at(c * tile::kSize + tile::kSize / 2, GetParam() * tile::kSize + tile::kSize / 2));
  }
  int level() const { return GetParam(); }
  std::vector<std::string> rows;
};

TEST_P(LevelMapTest, IsClosedAtBothEndsAndAtTheBottom) {
  for (int r = 0; r < kMapRows; ++r) {
    EXPECT_TRUE(wall(r, 0)) << "left end open at row " << r;
    EXPECT_TRUE(wall(r, kMapColumns - 1)) << "right end open at row " << r;
  }
  for (int c = 0; c < kMapColumns; ++c) EXPECT_TRUE(wall(kMapRows - 1, c)) << "bottom open at column " << c;
}

TEST_P(LevelMapTest, HazardsRestOnFloorsAndPickupsLieInTheOpen) {
  for (int i = 0; i < kExtraCount; ++i) extras[i].place(i);
  for (int i = 0; i < kExtraCount; ++i) {
    const Extra& e = extras[i];
    int column = e.x / tile::kSize, row = e.y / tile::kSize;
    if (e.type == Hazard || e.type == DeadlyHazard) {
      EXPECT_TRUE(open(row, column)) << "hazard " << i << " buried";
      EXPECT_TRUE(wall(row + 1, column)) << "hazard " << i << " hangs in the air";
    }
    if (e.type == Nut || e.type == Animal) {
      EXPECT_TRUE(open(row, column)) << "extra " << i << " buried";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LevelPictures, LevelMapTest, testing::Range(0, kLevels));

}  // namespace
