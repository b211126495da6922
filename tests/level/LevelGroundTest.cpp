// Every level as the game collides with it: closed at both ends and the bottom,
// and nothing that should stand floats or lies buried.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "level/LevelBuild.h"
#include "state/GameState.h"

namespace {
const int kMaxGapPx = 3;   // the ground may lie this far below the drawn bottom edge
const int kMaxSinkPx = 8;  // and the picture may stand this far into grass or a plank

struct Frame {
  int x, y, w, h;  // source rectangle in the extras sheet
};
const Frame kCageFrames[] = {{0, 500, 50, 50}, {50, 500, 50, 50}};
const Frame kGateFrames[] = {{0, 350, 150, 145}, {143, 350, 150, 145}};

// The part of a sprite that is drawn, px inside its frame; bottom is one past the lowest drawn row.
struct Drawn {
  int left = 1 << 20, right = -1, bottom = -1;
};

// The extras sheet is a colour-keyed picture without alpha (the sprite sheet tests).
bool drawnPixel(SDL_Surface* sheet, int x, int y) { return rawPixel(sheet, x, y) != sheet->format->colorkey; }

template <size_t N>
Drawn drawnPart(SDL_Surface* sheet, const Frame (&frames)[N]) {
  Drawn d;
  for (const Frame& f : frames)
    for (int y = 0; y < f.h; ++y)
      for (int x = 0; x < f.w; ++x)
        if (drawnPixel(sheet, f.x + x, f.y + y)) {
          d.left = std::min(d.left, x);
          d.right = std::max(d.right, x);
          d.bottom = std::max(d.bottom, y + 1);
        }
  return d;
}

// Checks that the ground under a sprite at (x, y) meets its drawn bottom edge
// under at least half of its drawn columns.
void expectStanding(const Level& level, int x, int y, int h, const Drawn& d, const char* what, int index) {
  const int edge = y + d.bottom;
  int standing = 0, columns = 0;
  for (int cx = x + d.left; cx <= x + d.right; ++cx, ++columns) {
    // Looking down from the middle of the picture finds the top of what it stands in or on.
    int top = y + h / 2;
    while (top <= edge + kMaxGapPx && !level.isSolid(cx, top)) ++top;
    standing += top >= edge - kMaxSinkPx && top <= edge + kMaxGapPx;
  }
  EXPECT_GE(2 * standing, columns) << what << " " << index << " at (" << x << ", " << y
                                   << ") has no floor at y " << edge - kMaxSinkPx << " … "
                                   << edge + kMaxGapPx;
}

// Each level with the classic extras and with its own wild ones.
class LevelGroundTest : public testing::TestWithParam<std::tuple<int, bool>> {
 protected:
  void SetUp() override {
    wildRules = std::get<1>(GetParam());
    levelBuild.waitFor(level());
  }
  int level() const { return std::get<0>(GetParam()); }
  SavedGameState saved;
};
}  // namespace

TEST_P(LevelGroundTest, CagesExitsAndHazardsStandOnTheGroundAndPickupsLieInTheOpen) {
  const Level& level = levels[this->level()];
  SDL_Surface* sheet = extras[0].sheet;
  ASSERT_NE(sheet, nullptr);
  const Drawn cage = drawnPart(sheet, kCageFrames), gate = drawnPart(sheet, kGateFrames);
  // The sprite sheet tests make sure both hold a picture.
  int checked = 0;
  for (int i = 0; i < kExtraCount; ++i) {
    extras[i].place(i, this->level());
    const Extra& e = extras[i];
    if (e.type == Animal) expectStanding(level, e.x, e.y, 50, cage, "animal", i), ++checked;
    if (e.type == LevelExit) expectStanding(level, e.x, e.y, 145, gate, "exit", i), ++checked;
    int cx = e.x / 50 * 50 + 25, cy = e.y / 50 * 50 + 25;  // the centre of its cell
    const bool hazard = e.type == Hazard || e.type == DeadlyHazard;
    EXPECT_FALSE((hazard || e.type == Nut || e.type == Animal) && level.isSolid(cx, cy))
        << "extra " << i << " buried";
    EXPECT_FALSE(hazard && !level.isSolid(cx, cy + 25)) << "hazard " << i << " hangs in the air";
  }
  EXPECT_EQ(checked, wildRules ? 6 : 7);  // five cages and the exit (two that share one place)
}

TEST_P(LevelGroundTest, TheLevelIsClosedAtBothEndsAndAtTheBottom) {
  const Level& level = levels[this->level()];
  int holes = 0;
  for (int y = 0; y < 1400; ++y)
    for (int x = 0; x < 7200; ++x)
      if (x < 50 || x >= 7150 || y >= 1350) holes += !level.isSolid(x, y);
  EXPECT_EQ(holes, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, LevelGroundTest,
                         testing::Combine(testing::Range(0, kLevelCount), testing::Bool()));
