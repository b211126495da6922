// Checks the painted hero, goblin and extras sheets against the cells the game reads and the
// geometry its collision probes assume. Their sizes are checked with every picture in ImageTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestSupport.h"

namespace {

const int kFrame = 50;           // px, the hero's and goblins' frames and the small extras
const uint32_t kKey = 0xFF00FF;  // magenta reads the same in either byte order

struct Cell {
  int x, y, w, h;
};

// Pixels of rows [fromRow, toRow) of a cell that `shows`.
template <typename Shows>
int shown(SDL_Surface* s, const Cell& c, int fromRow, int toRow, Shows shows) {
  int n = 0;
  for (int y = fromRow; y < toRow; ++y)
    for (int x = 0; x < c.w; ++x) n += shows(rawPixel(s, c.x + x, c.y + y));
  return n;
}

// Written out again here rather than shared with the generator, so that a slip in the
// generator's layout shows up.
std::vector<Cell> heroFrames() {
  std::vector<Cell> cells;
  const int rows[][2] = {{100, 3}, {150, 3}, {200, 6}, {250, 6}, {300, 3}, {350, 3}, {400, 2}, {450, 2}};
  for (auto [y, count] : rows)
    for (int i = 0; i < count; ++i) cells.push_back({i * kFrame, y, kFrame, kFrame});
  cells.push_back({100, 600, kFrame, kFrame});  // fallback
  return cells;
}

TEST(SpriteSheetHero, FramesHoldThePandaWithItsFeetOnRow42) {
  Picture sheet = loadPicture("./pics/player.png");
  ASSERT_NE(sheet, nullptr);
  // The game sets no colour key on this sheet: transparency must come from alpha.
  ASSERT_NE(sheet->format->Amask, 0u);
  const SDL_PixelFormat* f = sheet->format;
  auto solid = [f](uint32_t p) { return (p & f->Amask) >> f->Ashift >= 128; };
  auto any = [f](uint32_t p) { return (p & f->Amask) != 0; };
  // The foot probe looks at row 43 and the sole at row 42: the feet end on row 42.
  for (const Cell& c : heroFrames()) {
    SCOPED_TRACE(testing::Message() << "frame at " << c.x << "," << c.y);
    EXPECT_GE(shown(sheet.get(), c, 0, kFrame, solid), 400);
    EXPECT_EQ(shown(sheet.get(), c, 43, kFrame, any), 0);
    EXPECT_EQ(shown(sheet.get(), c, 0, 1, any), 0) << "head cut off at the top";
  }
  const Cell grounded[] = {{0, 400, 50, 50}, {50, 450, 50, 50}, {100, 100, 50, 50}, {50, 300, 50, 50}};
  for (const Cell& c : grounded) EXPECT_GT(shown(sheet.get(), c, 42, 43, solid), 0) << "feet float, " << c.x;
}

// Each left-facing run, jump and slide frame is its right-facing frame mirrored, and the face
// in it is lopsided (one eye patch ahead, the nose on the muzzle's tip), so the mirroring shows.
// A face turned to the camera looks much the same either way.
TEST(SpriteSheetHero, RunJumpAndSlideFramesShowWhichWayHeFaces) {
  Picture sheet = loadPicture("./pics/player.png");
  ASSERT_NE(sheet, nullptr);
  SDL_Surface* s = sheet.get();
  auto solid = [s](int x, int y) {
    return (rawPixel(s, x, y) & s->format->Amask) >> s->format->Ashift >= 128;
  };
  auto dark = [s](int x, int y) {  // black fur, nose or outline; not the red scarf or mouth
    Uint8 r, g, b, a;
    SDL_GetRGBA(rawPixel(s, x, y), s->format, &r, &g, &b, &a);
    return a >= 128 && r + g + b < 336 && b >= r;
  };
  const int pairs[][3] = {{100, 150, 3}, {200, 250, 6}, {400, 450, 1}};  // right row, left row, frames
  for (auto [right, left, frames] : pairs) {
    for (int x0 = 0; x0 < frames * kFrame; x0 += kFrame) {
      SCOPED_TRACE(testing::Message() << "frame at " << x0 << "," << right);
      int unmirrored = 0, top = kFrame;
      for (int y = 0; y < kFrame; ++y) {
        for (int x = 0; x < kFrame; ++x) {
          unmirrored += rawPixel(s, x0 + x, right + y) != rawPixel(s, x0 + kFrame - 1 - x, left + y);
          if (solid(x0 + x, right + y)) top = std::min(top, y);
        }
      }
      EXPECT_EQ(unmirrored, 0);
      // The head's middle, from its width just under the ears.
      int back = kFrame, front = 0;
      for (int y = top + 6; y < top + 12; ++y)
        for (int x = 0; x < kFrame; ++x)
          if (solid(x0 + x, right + y)) back = std::min(back, x), front = std::max(front, x);
      // Dark pixels of the face whose mirror image about that middle is not dark.
      int darks = 0, unmatched = 0;
      for (int y = top + 8; y < top + 20; ++y) {
        for (int x = back + 2; x <= front - 2; ++x) {
          if (!dark(x0 + x, right + y)) continue;
          int m = x0 + back + front - x;
          ++darks;
          unmatched += !dark(m - 1, right + y) && !dark(m, right + y) && !dark(m + 1, right + y);
        }
      }
      EXPECT_GE(unmatched * 2, darks) << "the face looks the same both ways";
    }
  }
}

TEST(SpriteSheetExtras, CellsHoldPicturesStandingWhereTheGameDrawsThem) {
  Picture sheet = loadPicture("./pics/extrasAnimalsSprites.png");
  ASSERT_NE(sheet, nullptr);
  // The game keys the raw pixel 0xFF00FF, which only works on plain 24-bit pixels.
  ASSERT_EQ(sheet->format->BitsPerPixel, 24);
  auto sprite = [](uint32_t p) { return p != kKey; };
  auto pixels = [&](const Cell& c, int from, int to) { return shown(sheet.get(), c, from, to, sprite); };
  std::vector<Cell> small = {{0, 500, 50, 50}, {50, 500, 50, 50}, {100, 500, 50, 50}, {0, 550, 50, 50}};
  for (int y : {0, 50})
    for (int x = 0; x <= 400; x += kFrame) small.push_back({x, y, kFrame, kFrame});  // weapons
  const Cell hazards[] = {{0, 150, 50, 50}, {0, 250, 50, 50}, {50, 250, 50, 50}, {100, 250, 50, 50}};
  for (const Cell& c : hazards) {
    small.push_back(c);
    EXPECT_GT(pixels(c, 49, 50), 10) << "hazard at " << c.x << "," << c.y << " floats";
  }
  for (const Cell& c : small) EXPECT_GE(pixels(c, 0, c.h), 80) << "cell at " << c.x << "," << c.y;
  // The second exit frame starts at x 143, inside the first frame's 150 columns.
  EXPECT_EQ(pixels({143, 350, 7, 145}, 0, 145), 0) << "columns 143..149 show in both frames";
  for (const Cell& frame : {Cell{0, 350, 150, 145}, Cell{143, 350, 150, 145}}) {
    EXPECT_GE(pixels(frame, 0, 145), 6000);
    // The gate is drawn 130 px above the floor's top: row 129 is its base.
    EXPECT_EQ(pixels(frame, 130, 145), 0) << "exit frame at " << frame.x << " hangs below the floor";
    EXPECT_GT(pixels(frame, 129, 130), 40) << "exit frame at " << frame.x << " floats above the floor";
  }
}

TEST(SpriteSheetGoblins, EveryAnimationFrameHoldsAGoblinStandingOnTheCellFloor) {
  Picture sheet = loadPicture("./pics/goblinsheet.png");
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(sheet->format->BitsPerPixel, 24);
  auto sprite = [](uint32_t p) { return p != kKey; };
  // Attack and walk runs {x, y, frames}, right- and left-facing, of the common then the rare kinds 0 to 2.
  const int runs[][3] = {{700, 300, 6},  {400, 300, 6},  {900, 350, 10}, {400, 350, 10}, {800, 400, 7},
                         {400, 400, 7},  {100, 500, 10}, {600, 450, 10}, {950, 500, 7},  {600, 500, 7},
                         {400, 600, 10}, {900, 550, 10}, {300, 0, 6},    {0, 0, 6},      {500, 50, 10},
                         {0, 50, 10},    {350, 100, 7},  {0, 100, 7},    {600, 150, 10}, {100, 150, 10},
                         {450, 200, 7},  {100, 200, 7},  {900, 250, 10}, {400, 250, 10}};
  for (auto [x, y, frames] : runs) {
    // Frames follow in reading order, 20 cells a row.
    for (int k = 0, cell = y / kFrame * 20 + x / kFrame; k < frames; ++k, ++cell) {
      const Cell c{cell % 20 * kFrame, cell / 20 * kFrame, kFrame, kFrame};
      SCOPED_TRACE(testing::Message() << "run from (" << x << ", " << y << "), frame " << k);
      EXPECT_GE(shown(sheet.get(), c, 0, kFrame, sprite), 250);  // a goblin covers far more; a speck far less
      // The game probes for ground just below the cell's middle: feet reach the bottom rows near there.
      bool foot = false;
      for (int dx = 10; dx < 40; ++dx)
        foot = foot || shown(sheet.get(), {c.x + dx, c.y, 1, kFrame}, 48, 50, sprite) == 2;
      EXPECT_TRUE(foot);
    }
  }
}

}  // namespace
