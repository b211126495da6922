// Checks the painted goblin sheet against the cells the game reads frames from.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "TestSupport.h"

namespace {
const int kSheetWidth = 1000, kSheetHeight = 650;  // px
const int kCell = 50;                              // px
const int kCellsPerRow = kSheetWidth / kCell;
const int kCellCount = kCellsPerRow * (kSheetHeight / kCell);
const uint32_t kKey = 0xFF00FF;    // magenta reads the same in either byte order
const int kMinSpritePixels = 250;  // a goblin covers far more; a stray speck far less
const int kWalkFrames = 10;

struct FrameRun {
  int x, y, frames;
};

// One breed and kind: the right-facing and left-facing attack and walk runs.
struct Goblin {
  const char* name;
  FrameRun attackRight, attackLeft, walkRight, walkLeft;
};

// Written out again here rather than shared with the generator, so that a slip
// in the generator's table shows up.
const Goblin kGoblins[] = {
    {"common 0", {700, 300, 6}, {400, 300, 6}, {900, 350, kWalkFrames}, {400, 350, kWalkFrames}},
    {"common 1", {800, 400, 7}, {400, 400, 7}, {100, 500, kWalkFrames}, {600, 450, kWalkFrames}},
    {"common 2", {950, 500, 7}, {600, 500, 7}, {400, 600, kWalkFrames}, {900, 550, kWalkFrames}},
    {"rare 0", {300, 0, 6}, {0, 0, 6}, {500, 50, kWalkFrames}, {0, 50, kWalkFrames}},
    {"rare 1", {350, 100, 7}, {0, 100, 7}, {600, 150, kWalkFrames}, {100, 150, kWalkFrames}},
    {"rare 2", {450, 200, 7}, {100, 200, 7}, {900, 250, kWalkFrames}, {400, 250, kWalkFrames}},
};

// Cell index of frame k of a run: reading order, wrapping at the right edge.
int cellOf(const FrameRun& r, int k) { return (r.y / kCell) * kCellsPerRow + r.x / kCell + k; }

class GoblinSheet : public testing::Test {
 protected:
  static void SetUpTestSuite() { sheet = IMG_Load("./pics/goblinsheet.png"); }
  static void TearDownTestSuite() {
    SDL_FreeSurface(sheet);
    sheet = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(sheet, nullptr) << "cannot load ./pics/goblinsheet.png";
    ASSERT_EQ(sheet->w, kSheetWidth);
    ASSERT_EQ(sheet->h, kSheetHeight);
    ASSERT_EQ(sheet->format->BitsPerPixel, 24);
  }

  static bool isSprite(int cell, int dx, int dy) {
    return rawPixel(sheet, cell % kCellsPerRow * kCell + dx, cell / kCellsPerRow * kCell + dy) != kKey;
  }
  static int spritePixels(int cell) {
    int n = 0;
    for (int dy = 0; dy < kCell; ++dy)
      for (int dx = 0; dx < kCell; ++dx) n += isSprite(cell, dx, dy);
    return n;
  }

  static SDL_Surface* sheet;
};
SDL_Surface* GoblinSheet::sheet = nullptr;

std::vector<FrameRun> allRuns() {
  std::vector<FrameRun> runs;
  for (const Goblin& g : kGoblins)
    runs.insert(runs.end(), {g.attackRight, g.attackLeft, g.walkRight, g.walkLeft});
  return runs;
}

TEST_F(GoblinSheet, EveryAnimationFrameHoldsAGoblinStandingOnTheCellFloor) {
  for (const FrameRun& r : allRuns()) {
    for (int k = 0; k < r.frames; ++k) {
      int cell = cellOf(r, k);
      SCOPED_TRACE(testing::Message() << "run from (" << r.x << ", " << r.y << "), frame " << k);
      EXPECT_GE(spritePixels(cell), kMinSpritePixels);
      // The game probes for ground just below the cell's middle, so the feet
      // must reach the bottom rows near there.
      bool footOnFloor = false;
      for (int dx = 10; dx < 40; ++dx)
        footOnFloor = footOnFloor || (isSprite(cell, dx, 48) && isSprite(cell, dx, 49));
      EXPECT_TRUE(footOnFloor);
    }
  }
}

TEST_F(GoblinSheet, CellsNoAnimationUsesAreAllKeyColour) {
  std::vector<bool> used(kCellCount, false);
  for (const FrameRun& r : allRuns())
    for (int k = 0; k < r.frames; ++k) used[cellOf(r, k)] = true;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (used[cell]) continue;
    EXPECT_EQ(spritePixels(cell), 0) << "cell (" << cell % kCellsPerRow * kCell << ", "
                                     << cell / kCellsPerRow * kCell << ")";
  }
}

// Catches a frame painted into the wrong run: each left-facing frame must be
// the mirror image of its right-facing twin.
TEST_F(GoblinSheet, LeftFacingFramesMirrorTheRightFacingOnes) {
  const double kMinAgreement = 0.97;  // share of pixels; antialiasing may differ at the edges
  for (const Goblin& g : kGoblins) {
    const std::pair<FrameRun, FrameRun> pairs[] = {{g.attackRight, g.attackLeft}, {g.walkRight, g.walkLeft}};
    for (const auto& [right, left] : pairs) {
      for (int k = 0; k < right.frames; ++k) {
        int same = 0;
        for (int dy = 0; dy < kCell; ++dy)
          for (int dx = 0; dx < kCell; ++dx)
            same += isSprite(cellOf(right, k), dx, dy) == isSprite(cellOf(left, k), kCell - 1 - dx, dy);
        EXPECT_GE(same, kMinAgreement * kCell * kCell)
            << g.name << " from (" << left.x << ", " << left.y << "), frame " << k;
      }
    }
  }
}

// Catches a still picture copied into every frame.
TEST_F(GoblinSheet, WalkingAndAttackFramesMove) {
  for (const FrameRun& r : allRuns()) {
    for (int k = 1; k < r.frames; ++k) {
      int changed = 0;
      for (int dy = 0; dy < kCell; ++dy)
        for (int dx = 0; dx < kCell; ++dx)
          changed += isSprite(cellOf(r, k), dx, dy) != isSprite(cellOf(r, k - 1), dx, dy);
      EXPECT_GT(changed, 0) << "run from (" << r.x << ", " << r.y << "), frame " << k;
    }
  }
}

}  // namespace
