// Checks the painted goblin sheet against the cells the game reads frames from.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "TestSupport.h"

namespace {
const int kCell = 50;            // px
const int kCellsPerRow = 20;     // a 1000 px wide sheet
const uint32_t kKey = 0xFF00FF;  // magenta reads the same in either byte order

struct FrameRun {
  int x, y, frames;
};

// Attack and walk runs, right- and left-facing, of the common then the rare kinds 0 to 2.
// Written out again here rather than shared with the generator, so that a slip in its
// table shows up.
const FrameRun kRuns[] = {
    {700, 300, 6}, {400, 300, 6}, {900, 350, 10}, {400, 350, 10},  // common 0
    {800, 400, 7}, {400, 400, 7}, {100, 500, 10}, {600, 450, 10},  // common 1
    {950, 500, 7}, {600, 500, 7}, {400, 600, 10}, {900, 550, 10},  // common 2
    {300, 0, 6},   {0, 0, 6},     {500, 50, 10},  {0, 50, 10},     // rare 0
    {350, 100, 7}, {0, 100, 7},   {600, 150, 10}, {100, 150, 10},  // rare 1
    {450, 200, 7}, {100, 200, 7}, {900, 250, 10}, {400, 250, 10},  // rare 2
};
}  // namespace

TEST(GoblinSheet, EveryAnimationFrameHoldsAGoblinStandingOnTheCellFloor) {
  Picture sheet = loadPicture("./pics/goblinsheet.png");
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(sheet->w, kCellsPerRow * kCell);
  ASSERT_EQ(sheet->h, 650);
  ASSERT_EQ(sheet->format->BitsPerPixel, 24);
  for (const FrameRun& r : kRuns) {
    for (int k = 0; k < r.frames; ++k) {
      SCOPED_TRACE(testing::Message() << "run from (" << r.x << ", " << r.y << "), frame " << k);
      // Frames follow in reading order, wrapping at the right edge.
      int cell = (r.y / kCell) * kCellsPerRow + r.x / kCell + k;
      auto sprite = [&](int dx, int dy) {
        return rawPixel(sheet.get(), cell % kCellsPerRow * kCell + dx, cell / kCellsPerRow * kCell + dy) !=
               kKey;
      };
      int pixels = 0;
      for (int dy = 0; dy < kCell; ++dy)
        for (int dx = 0; dx < kCell; ++dx) pixels += sprite(dx, dy);
      EXPECT_GE(pixels, 250);  // a goblin covers far more; a stray speck far less
      // The game probes for ground just below the cell's middle, so the feet
      // must reach the bottom rows near there.
      bool footOnFloor = false;
      for (int dx = 10; dx < 40; ++dx) footOnFloor = footOnFloor || (sprite(dx, 48) && sprite(dx, 49));
      EXPECT_TRUE(footOnFloor);
    }
  }
}
