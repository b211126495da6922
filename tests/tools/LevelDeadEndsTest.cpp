// The level checker's dead-end report, route figures and faults on small maps
// made here: a floor that runs to the exit, with and without a pit too deep to
// climb out of. The hero starts on that floor, close to the exit.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <vector>

#include "MapFaults.h"
#include "RouteFigures.h"
#include "TestSupport.h"
#include "WayFaults.h"
#include "level/LevelBuild.h"

namespace fs = std::filesystem;

namespace {
const int kLevel = 4;  // borrowed; its picture and collision are put back afterwards
const int kRows = 28, kCols = 144;
const int kFloorRow = 14;       // the exit's floor, y 700
const int kFirstColumn = 109;   // a wall left of it keeps the search small
const int kWallColumn = 136;    // the wall right of the exit
const float kStartX = 5405.0f;  // view x: the hero's sprite falls at x 5700

// Solid ground from the floor row down between the two walls, air above.
std::vector<std::string> floorMap() {
  std::vector<std::string> rows(kRows, std::string(kCols, 'h'));
  for (int r = 0; r < kFloorRow; ++r)
    for (int c = kFirstColumn + 1; c < kWallColumn; ++c) rows[r][c] = '.';
  return rows;
}

// Cuts a pit three cells wide and six deep into the floor.
void cutPit(std::vector<std::string>& rows, int column) {
  for (int r = kFloorRow; r < kFloorRow + 6; ++r)
    for (int c = column; c < column + 3; ++c) rows[r][c] = '.';
}

class LevelDeadEndsTest : public testing::Test {
 protected:
  // The borrowed level's picture and collision are kept and put back.
  void SetUp() override {
    levelBuild.waitFor(kLevel);
    const SDL_Surface* image = levels[kLevel].levelImage;
    ASSERT_NE(image, nullptr);
    const auto* pixels = static_cast<const uint8_t*>(image->pixels);
    saved.assign(pixels, pixels + image->h * image->pitch);
    savedCollision = levels[kLevel].collision;
  }
  void TearDown() override {
    if (!saved.empty()) std::memcpy(levels[kLevel].levelImage->pixels, saved.data(), saved.size());
    levels[kLevel].collision = savedCollision;
  }

  // Paints `rows` into the borrowed level's pictures.
  void load(const std::vector<std::string>& rows) {
    const fs::path home = fs::current_path(), dir = fs::temp_directory_path() / "thornwald-dead-ends";
    fs::create_directories(dir);
    std::ofstream map(dir / ("level" + std::to_string(kLevel) + ".txt"));
    for (const std::string& row : rows) map << row << "\n";
    map.close();
    fs::current_path(dir);
    levels[kLevel].load(kLevel);
    fs::current_path(home);
    fs::remove_all(dir);
  }

  SearchResult search(float startX = kStartX) {
    HeroState start = levelStartState();
    start.x = startX;
    return searchLevel(kLevel, false, &start);
  }

  std::vector<uint8_t> saved;
  CollisionMap savedCollision;
  SavedGameState savedState;  // the search moves the extras
};
}  // namespace

TEST_F(LevelDeadEndsTest, OnlyAPitTooDeepToLeaveIsADeadEndAndTheRouteJumpsIt) {
  load(floorMap());
  SearchResult r = search();
  ASSERT_TRUE(r.exitReachable);
  EXPECT_TRUE(r.complete);
  EXPECT_TRUE(deadEnds(r).empty());
  EXPECT_TRUE(r.lostAt.empty());
  RouteFigures fig = measureRoute(kLevel, r);
  EXPECT_EQ(fig.jumps, 0);
  EXPECT_EQ(fig.narrowestMarginPx, -1);
  EXPECT_GT(fig.acrossPx, 800);

  std::vector<std::string> rows = floorMap();
  cutPit(rows, 120);
  load(rows);
  r = search();
  ASSERT_TRUE(r.exitReachable);
  EXPECT_TRUE(r.complete);
  std::vector<int> dead = deadEnds(r);
  ASSERT_FALSE(dead.empty());
  for (int i : dead) {
    auto [x, y] = spriteCorner(r.places[i]);
    EXPECT_GE(x, 120 * 50 - 50) << "a dead end outside the pit";
    EXPECT_LT(x, 123 * 50);
    EXPECT_GT(y, kFloorRow * 50) << "a dead end on the floor";
  }
  fig = measureRoute(kLevel, r);
  ASSERT_TRUE(fig.found);
  EXPECT_EQ(fig.jumps, 1);
  EXPECT_GT(fig.narrowestMarginPx, 0);
}

// The classic exit stands at (6650, 570) on the floor at y 700; the other extras lie in the walls.
TEST_F(LevelDeadEndsTest, FaultsOnTheWayAreJumpsUpThroughGroundExtrasInItAndViewsPastTheEdge) {
  auto faultsOf = [this](const std::vector<std::string>& rows, float startX = kStartX) {
    load(rows);
    SearchResult r = search(startX);
    return findMapFaults(kLevel, r);
  };
  const MapFaults plain = faultsOf(floorMap());
  EXPECT_EQ(plain.popThroughs + plain.voidInView + plain.unfairPosts, 0);

  // A wall too high to jump, and a slab beside it that a jump from the floor rises into.
  std::vector<std::string> rows = floorMap();
  for (int r = 11; r < kFloorRow; ++r) rows[r][126] = 'h';
  for (int c = 121; c < 126; ++c) rows[12][c] = 'h';
  EXPECT_GE(faultsOf(rows).popThroughs, 1);

  rows = floorMap();
  for (int c = 133; c < 136; ++c) rows[kFloorRow - 1][c] = 'h';
  EXPECT_EQ(faultsOf(rows).extrasInGround, plain.extrasInGround + 2)
      << "both exits sunk 50 px into the ground";

  // The right end open to the picture's edge: the hero falls where the view shows past it.
  rows = floorMap();
  for (int r = 0; r < kFloorRow; ++r)
    for (int c = kWallColumn; c < kCols; ++c) rows[r][c] = '.';
  EXPECT_GE(faultsOf(rows, 6605.0f).voidInView, 1);

  // A one-cell gap, three deep, on the way: its far wall is higher than a jump.
  rows = floorMap();
  for (int r = kFloorRow; r < kFloorRow + 3; ++r) rows[r][124] = '.';
  load(rows);
  SearchResult r = search();
  EXPECT_EQ(findWayFaults(kLevel, r, measureRoute(kLevel, r)).tightRises, 1);
}
