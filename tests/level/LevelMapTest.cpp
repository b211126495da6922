// The map reader and the level clock, on small pictures made here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "level/Level.h"
#include "platform/Image.h"
#include "platform/RegularFile.h"

namespace fs = std::filesystem;

namespace {
const uint32_t kBackground = 0xC8405060;  // half-see-through, so a kept alpha shows
const uint32_t kFree = 0xFFFFFFFF;        // the collision's background: opaque white

// The colour tile `tile` of sheet row `row` paints, in the background's alpha.
uint32_t tileColour(int tile, int row) {
  return (cellColour(50 * tile, 50 * row) & 0xFFFFFF) | (kBackground & 0xFF000000);
}

class LevelMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home = fs::current_path();
    char pattern[] = "/tmp/thornwald-maps-XXXXXX";
    dir = mkdtemp(pattern);
    fs::current_path(dir);  // no pictures here: the level starts empty and gets ours
    level = std::make_unique<Level>();
    usePictures(400, 200, 1300);
  }
  void TearDown() override {
    level.reset();
    fs::current_path(home);
    fs::remove_all(dir);
  }
  void usePictures(int width, int height, int sheetWidth) {
    for (SDL_Surface** s : {&level->tiles, &level->collisionTiles, &level->levelImage, &level->background})
      freeImage(*s);
    level->tiles = makeCellSheet(sheetWidth, 250);
    level->collisionTiles = makeCellSheet(sheetWidth, 250, true);  // see-through but a corner marker
    level->levelImage = makeRgbaSurface(width, height, kBackground);
    level->background = makeRgbaSurface(width, height, kFree);
  }
  void load(const std::string& map, int n = 0) {
    std::ofstream(dir / ("level" + std::to_string(n) + ".txt"), std::ios::binary) << map;
    level->load(n);
  }
  // Tile column `tile` of sheet row `sheetRow` in map cell (c, r) of the picture, or the
  // background for tile -1; a transparent tile pixel leaves the background's. In the
  // collision only the cell's corner marker is solid.
  void expectCell(int c, int r, int tile, int sheetRow = 0) {
    const uint32_t drawn = tile < 0 ? kBackground : tileColour(tile, sheetRow);
    EXPECT_EQ(getPixel32(level->levelImage, 50 * c + 25, 50 * r + 25), drawn) << "cell " << c << "," << r;
    EXPECT_EQ(level->isSolid(50 * c + 49, 50 * r + 49), tile >= 0) << "cell " << c << "," << r;
    EXPECT_FALSE(level->isSolid(50 * c, 50 * r)) << "cell " << c << "," << r;
  }
  void expectOnly(const std::vector<std::vector<int>>& rows) {
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 8; ++c)
        expectCell(c, r, r < int(rows.size()) && c < int(rows[r].size()) ? rows[r][c] : -1);
  }
  fs::path home, dir;
  std::unique_ptr<Level> level;
};

TEST_F(LevelMapTest, LinesAreRowsAndCharactersSelectTileColumns) {
  const std::pair<std::string, std::vector<std::vector<int>>> cases[] = {
      {"ab\nc", {{0, 1}, {2}}},
      {"ab\nc\n", {{0, 1}, {2}}},
      {"a\n\nb\rc\n\r", {{0}, {}, {1, 25, 2}, {25}}},  // a lone carriage return is a cell
      {"abc\r\nde\r\n\r\nf\r\n", {{0, 1, 2}, {3, 4}, {}, {5}}},
      {"abyz A.", {{0, 1, 24, 25, 25, 25, 25}}},
      {"", {}}};
  for (const auto& [map, rows] : cases) {
    SCOPED_TRACE(testing::PrintToString(map));
    usePictures(400, 200, 1300);
    load(map);
    expectOnly(rows);
  }
}

// A FIFO goes through the same reader as a picture's (ImageTest). Of a map over
// the bound, the first megabyte is painted: here its last byte is the b.
TEST_F(LevelMapTest, MissingAndDeviceMapsLeaveTheLevelEmptyAndABigMapIsCut) {
  fs::create_symlink("/dev/zero", dir / "level1.txt");  // reading it would never end
  level->load(1);
  level->load(4);  // no such file
  expectOnly({});
  load("a" + std::string(kMaxTextFileBytes - 3, ' ') + "\nb\nc", 2);
  expectCell(0, 0, 0, 2);  // level 2 takes row 2 of both sheets
  expectCell(0, 1, 1, 2);
  expectCell(0, 2, -1);
}

TEST_F(LevelMapTest, CellsAreCutAtThePictureEdgeAndTheSheetWidth) {
  usePictures(125, 75, 1000);  // the sheet holds tile columns 0 … 19 only
  load("abc\nabc\ntyz");
  EXPECT_EQ(getPixel32(level->levelImage, 124, 74), tileColour(2, 0));
  usePictures(400, 200, 1000);
  load("tyz");
  expectOnly({{19}});
}

TEST_F(LevelMapTest, FarCellsNeverWrapAroundOntoThePicture) {
  // Cell 1311 lies at x = 65550, which a 16-bit position would turn into 14.
  load("a" + std::string(1310, 'b') + "c" + std::string(1311, '\n') + "c");
  expectCell(0, 0, 0);
  expectCell(0, 1, -1);
}
}  // namespace
