// Checks the painted hero, goblin and extras sheets against the cells the game reads
// (platform/Layout.h, which the generator paints by) and the geometry its collision probes assume.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestSupport.h"
#include "platform/Layout.h"

namespace {

const int kFrame = 50;           // px, the hero's and goblins' frames and the small extras
const uint32_t kKey = 0xFF00FF;  // magenta reads the same in either byte order
static_assert(kFrame == heroSheet::kFrame && kFrame == goblinSheet::kCell && kFrame == extrasSheet::kCell);

using Cell = SheetRect;

// Frame k of a run of square frames.
Cell frameOf(SheetRun run, int k) { return {run.x + k * kFrame, run.y, kFrame, kFrame}; }

// Every sheet is painted at the size the game expects.
void expectSize(SDL_Surface* s, int w, int h) { EXPECT_EQ(std::pair(s->w, s->h), std::pair(w, h)); }

// Pixels of rows [fromRow, toRow) of a cell that `shows`.
template <typename Shows>
int shown(SDL_Surface* s, const Cell& c, int fromRow, int toRow, Shows shows) {
  int n = 0;
  for (int y = fromRow; y < toRow; ++y)
    for (int x = 0; x < c.w; ++x) n += shows(rawPixel(s, c.x + x, c.y + y));
  return n;
}

std::vector<Cell> heroFrames() {
  using namespace heroSheet;
  std::vector<Cell> cells;
  for (SheetRun run : {kRunRight, kRunLeft, kJumpRight, kJumpLeft, kSwingLeft, kSwingRight, kStandRight,
                       kStandLeft, kCrouchRight, kCrouchLeft, kPuzzled})
    for (int i = 0; i < run.frames; ++i) cells.push_back(frameOf(run, i));
  return cells;
}

TEST(SpriteSheetHero, FramesHoldThePandaWithItsFeetOnRow42) {
  Picture sheet = loadPicture("./pics/player.png");
  ASSERT_NE(sheet, nullptr);
  expectSize(sheet.get(), heroSheet::kWidth, heroSheet::kHeight);
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
  const Cell grounded[] = {frameOf(heroSheet::kStandRight, 0), frameOf(heroSheet::kCrouchLeft, 0),
                           frameOf(heroSheet::kRunRight, 2), frameOf(heroSheet::kSwingLeft, 1)};
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
  using namespace heroSheet;
  const SheetRun pairs[][2] = {{kRunRight, kRunLeft}, {kJumpRight, kJumpLeft}, {kStandRight, kStandLeft}};
  for (auto [rightRun, leftRun] : pairs) {
    const int right = rightRun.y, left = leftRun.y;
    for (int x0 = rightRun.x; x0 < rightRun.x + rightRun.frames * kFrame; x0 += kFrame) {
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
  using namespace extrasSheet;
  Picture sheet = loadPicture("./pics/extrasAnimalsSprites.png");
  ASSERT_NE(sheet, nullptr);
  expectSize(sheet.get(), kWidth, kHeight);
  // The game keys the raw pixel 0xFF00FF, which only works on plain 24-bit pixels.
  ASSERT_EQ(sheet->format->BitsPerPixel, 24);
  auto sprite = [](uint32_t p) { return p != kKey; };
  auto pixels = [&](const Cell& c, int from, int to) { return shown(sheet.get(), c, from, to, sprite); };
  std::vector<Cell> small = {frameOf(kCagedAnimal, 0), frameOf(kCagedAnimal, 1), kFreedAnimal, kNut};
  for (const WeaponCells& w : kWeapons)
    for (int x : {w.idle, w.swungRight, w.swungLeft}) small.push_back({x, w.row, kFrame, kFrame});
  const Cell hazards[] = {kThorn, frameOf(kTrap, 0), frameOf(kTrap, 1), frameOf(kTrap, 2)};
  for (const Cell& c : hazards) {
    small.push_back(c);
    EXPECT_GT(pixels(c, 49, 50), 10) << "hazard at " << c.x << "," << c.y << " floats";
  }
  for (const Cell& c : small) EXPECT_GE(pixels(c, 0, c.h), 80) << "cell at " << c.x << "," << c.y;
  // The second exit frame starts inside the first frame's columns: those show in both.
  const int shared = kExit[0].x + kExit[0].w - kExit[1].x;
  EXPECT_EQ(pixels({kExit[1].x, kExit[1].y, shared, kExit[1].h}, 0, kExit[1].h), 0) << "shared columns drawn";
  for (const Cell& frame : kExit) {
    EXPECT_GE(pixels(frame, 0, 145), 6000);
    // The gate is drawn 130 px above the floor's top: row 129 is its base.
    EXPECT_EQ(pixels(frame, 130, 145), 0) << "exit frame at " << frame.x << " hangs below the floor";
    EXPECT_GT(pixels(frame, 129, 130), 40) << "exit frame at " << frame.x << " floats above the floor";
  }
}

TEST(SpriteSheetGoblins, EveryAnimationFrameHoldsAGoblinStandingOnTheCellFloor) {
  using namespace goblinSheet;
  Picture sheet = loadPicture("./pics/goblinsheet.png");
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(sheet->format->BitsPerPixel, 24);
  expectSize(sheet.get(), kWidth, kHeight);
  auto sprite = [](uint32_t p) { return p != kKey; };
  // Every breed's attack and walk runs, of every kind, either way it faces.
  std::vector<std::pair<goblinSheet::Cell, int>> runs;
  for (const Breed& breed : kBreeds)
    for (const auto& kind : breed.runs)
      for (const Runs& r : kind) runs.insert(runs.end(), {{r.attack, r.attackFrames}, {r.walk, kWalkFrames}});
  for (auto [first, frames] : runs) {
    // Frames follow in reading order, wrapping to the next row.
    for (int k = 0; k < frames; ++k) {
      const goblinSheet::Cell at = cellAfter(first, k);
      const Cell c{at.x, at.y, kFrame, kFrame};
      SCOPED_TRACE(testing::Message() << "run from (" << first.x << ", " << first.y << "), frame " << k);
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
