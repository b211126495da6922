// Checks the painted hero and extras sheets against the cells the game reads and the
// geometry its collision probes assume.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

const int kFrame = 50;            // px, the hero's frames and the small extras
const uint32_t kKey = 0xFF00FF;   // magenta reads the same in either byte order
const int kMinSpritePixels = 80;  // the smallest weapon icon covers more; a stray speck far less

struct Cell {
  int x, y, w, h;
};

uint8_t alphaAt(SDL_Surface* s, int x, int y) {
  uint8_t r, g, b, a;
  SDL_GetRGBA(rawPixel(s, x, y), s->format, &r, &g, &b, &a);
  return a;
}

// Pixels of the 50 x 50 frame at (ax, ay) that differ from the mirror image of the one at (bx, by).
int mirrorMismatches(SDL_Surface* s, int ax, int ay, int bx, int by) {
  int n = 0;
  for (int y = 0; y < kFrame; ++y)
    for (int x = 0; x < kFrame; ++x)
      n += rawPixel(s, ax + x, ay + y) != rawPixel(s, bx + kFrame - 1 - x, by + y);
  return n;
}

bool inAny(const std::vector<Cell>& cells, int x, int y) {
  for (const Cell& c : cells) {
    if (x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h) return true;
  }
  return false;
}

// Written out again here rather than shared with the generator, so that a slip in the
// generator's layout shows up.
std::vector<Cell> heroFrames() {
  std::vector<Cell> cells;
  auto row = [&](int y, int count) {
    for (int i = 0; i < count; ++i) cells.push_back({i * kFrame, y, kFrame, kFrame});
  };
  row(100, 3);                                  // running right
  row(150, 3);                                  // running left
  row(200, 6);                                  // airborne right
  row(250, 6);                                  // airborne left
  row(300, 3);                                  // attacking left
  row(350, 3);                                  // attacking right
  row(400, 2);                                  // standing, crouching right
  row(450, 2);                                  // standing, crouching left
  cells.push_back({100, 600, kFrame, kFrame});  // fallback
  return cells;
}

class SpriteSheetHero : public testing::Test {
 protected:
  static void SetUpTestSuite() { sheet = IMG_Load("./pics/player.png"); }
  static void TearDownTestSuite() {
    SDL_FreeSurface(sheet);
    sheet = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(sheet, nullptr) << "cannot load ./pics/player.png";
    ASSERT_EQ(sheet->w, 300);
    ASSERT_EQ(sheet->h, 650);
    // The game sets no colour key on this sheet: transparency must come from alpha.
    ASSERT_EQ(sheet->format->BitsPerPixel, 32);
    ASSERT_NE(sheet->format->Amask, 0u);
  }

  static int solidPixels(const Cell& c, int fromRow, int toRow) {
    int n = 0;
    for (int y = fromRow; y < toRow; ++y) {
      for (int x = 0; x < c.w; ++x) n += alphaAt(sheet, c.x + x, c.y + y) >= 128;
    }
    return n;
  }
  static bool rowEmpty(const Cell& c, int row) {
    for (int x = 0; x < c.w; ++x) {
      if (alphaAt(sheet, c.x + x, c.y + row) != 0) return false;
    }
    return true;
  }
  // Scarf-red pixels left of `leftOf` minus those right of `rightOf` in one frame.
  static int scarfBehindBalance(const Cell& c, int leftOf, int rightOf) {
    int balance = 0;
    for (int y = 0; y < c.h; ++y) {
      for (int x = 0; x < c.w; ++x) {
        uint8_t r, g, b, a;
        SDL_GetRGBA(rawPixel(sheet, c.x + x, c.y + y), sheet->format, &r, &g, &b, &a);
        if (a < 128 || r < 150 || g > 110 || b > 90) continue;
        if (x < leftOf) ++balance;
        if (x > rightOf) --balance;
      }
    }
    return balance;
  }

  static SDL_Surface* sheet;
};
SDL_Surface* SpriteSheetHero::sheet = nullptr;

TEST_F(SpriteSheetHero, EveryFrameTheGameShowsHoldsThePanda) {
  for (const Cell& c : heroFrames()) {
    EXPECT_GE(solidPixels(c, 0, kFrame), 400) << "frame at " << c.x << "," << c.y;
  }
}

TEST_F(SpriteSheetHero, EverythingOutsideTheFramesIsFullyTransparent) {
  std::vector<Cell> frames = heroFrames();
  int stray = 0;
  for (int y = 0; y < sheet->h; ++y) {
    for (int x = 0; x < sheet->w; ++x) {
      if (!inAny(frames, x, y) && alphaAt(sheet, x, y) != 0) ++stray;
    }
  }
  EXPECT_EQ(stray, 0);
}

// The foot probe looks at row 43 and the sole at row 42: the feet end on row 42.
TEST_F(SpriteSheetHero, FeetRestOnRow42AndNothingHangsBelow) {
  for (const Cell& c : heroFrames()) {
    for (int row = 43; row < kFrame; ++row) {
      EXPECT_TRUE(rowEmpty(c, row)) << "frame at " << c.x << "," << c.y << " row " << row;
    }
    EXPECT_TRUE(rowEmpty(c, 0)) << "head cut off at the top, frame at " << c.x << "," << c.y;
  }
  const Cell grounded[] = {{0, 400, 50, 50},  {50, 400, 50, 50}, {0, 450, 50, 50},   {50, 450, 50, 50},
                           {0, 100, 50, 50},  {50, 100, 50, 50}, {100, 100, 50, 50}, {0, 150, 50, 50},
                           {50, 350, 50, 50}, {50, 300, 50, 50}};
  for (const Cell& c : grounded) {
    EXPECT_GT(solidPixels(c, 42, 43), 0) << "feet float above the floor, frame at " << c.x << "," << c.y;
  }
}

TEST_F(SpriteSheetHero, LeftFramesMirrorTheRightOnes) {
  struct Pair {
    int rightRow, leftRow, frames;
  };
  for (Pair p : {Pair{100, 150, 3}, Pair{200, 250, 6}, Pair{350, 300, 3}, Pair{400, 450, 2}}) {
    for (int f = 0; f < p.frames; ++f) {
      EXPECT_EQ(mirrorMismatches(sheet, f * kFrame, p.rightRow, f * kFrame, p.leftRow), 0)
          << "row " << p.rightRow << " frame " << f;
    }
  }
}

// The scarf streams out behind a running or striking panda, so it tells which way it faces.
// The left rows mirror these (above), so they face left.
TEST_F(SpriteSheetHero, RightRowsFaceRight) {
  for (int f = 0; f < 3; ++f)
    EXPECT_GT(scarfBehindBalance({f * kFrame, 100, 50, 50}, 20, 30), 0) << "running right, frame " << f;
  EXPECT_GT(scarfBehindBalance({50, 350, 50, 50}, 20, 30), 0) << "attacking right";
}

// Source rectangles the game reads from the extras sheet.
const int kWeaponRows[] = {0, 50};
const int kWeaponColumns[] = {0, 50, 100, 150, 200, 250, 300, 350, 400};
const Cell kHazard{0, 150, 50, 50};
const Cell kTrap[] = {{0, 250, 50, 50}, {50, 250, 50, 50}, {100, 250, 50, 50}};
const Cell kExit[] = {{0, 350, 150, 145}, {143, 350, 150, 145}};
const Cell kAnimal[] = {{0, 500, 50, 50}, {50, 500, 50, 50}, {100, 500, 50, 50}};
const Cell kNut{0, 550, 50, 50};

std::vector<Cell> smallExtras() {
  std::vector<Cell> cells;
  for (int y : kWeaponRows) {
    for (int x : kWeaponColumns) cells.push_back({x, y, kFrame, kFrame});
  }
  cells.push_back(kHazard);
  for (const Cell& c : kTrap) cells.push_back(c);
  for (const Cell& c : kAnimal) cells.push_back(c);
  cells.push_back(kNut);
  return cells;
}

class SpriteSheetExtras : public testing::Test {
 protected:
  static void SetUpTestSuite() { sheet = IMG_Load("./pics/extrasAnimalsSprites.png"); }
  static void TearDownTestSuite() {
    SDL_FreeSurface(sheet);
    sheet = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(sheet, nullptr) << "cannot load ./pics/extrasAnimalsSprites.png";
    ASSERT_EQ(sheet->w, 450);
    ASSERT_EQ(sheet->h, 600);
    // The game keys the raw pixel 0xFF00FF, which only works on plain 24-bit pixels.
    ASSERT_EQ(sheet->format->BitsPerPixel, 24);
  }

  static bool isKey(int x, int y) { return rawPixel(sheet, x, y) == kKey; }
  static int spritePixels(const Cell& c, int fromRow, int toRow) {
    int n = 0;
    for (int y = fromRow; y < toRow; ++y) {
      for (int x = 0; x < c.w; ++x) n += !isKey(c.x + x, c.y + y);
    }
    return n;
  }
  static int spritePixels(const Cell& c) { return spritePixels(c, 0, c.h); }

  static SDL_Surface* sheet;
};
SDL_Surface* SpriteSheetExtras::sheet = nullptr;

TEST_F(SpriteSheetExtras, EveryCellTheGameReadsHoldsAPicture) {
  for (const Cell& c : smallExtras()) {
    EXPECT_GE(spritePixels(c), kMinSpritePixels) << "cell at " << c.x << "," << c.y;
  }
  for (const Cell& c : kExit) EXPECT_GE(spritePixels(c), 6000) << "exit frame at " << c.x;
}

TEST_F(SpriteSheetExtras, EverythingOutsideTheCellsIsMagenta) {
  std::vector<Cell> cells = smallExtras();
  cells.push_back(kExit[0]);
  cells.push_back(kExit[1]);
  int stray = 0;
  for (int y = 0; y < sheet->h; ++y) {
    for (int x = 0; x < sheet->w; ++x) stray += !inAny(cells, x, y) && !isKey(x, y);
  }
  EXPECT_EQ(stray, 0);
}

// The second exit frame starts at x 143, inside the first frame's 150 columns.
TEST_F(SpriteSheetExtras, ExitFramesShareOnlyMagentaAndStandOnTheFloor) {
  EXPECT_EQ(spritePixels({143, 350, 7, 145}), 0) << "columns 143..149 show in both frames";
  for (const Cell& frame : kExit) {
    // The gate is drawn 130 px above the floor's top: row 129 is its base.
    EXPECT_EQ(spritePixels(frame, 130, 145), 0) << "frame at " << frame.x << " hangs below the floor";
    EXPECT_GT(spritePixels(frame, 129, 130), 40) << "frame at " << frame.x << " floats above the floor";
  }
  // The two frames pulse, so they must differ.
  int differing = 0;
  for (int y = 0; y < 145; ++y) {
    for (int x = 0; x < 150; ++x)
      differing += rawPixel(sheet, x, 350 + y) != rawPixel(sheet, 143 + x, 350 + y);
  }
  EXPECT_GT(differing, 200);
}

TEST_F(SpriteSheetExtras, HazardsStandOnTheCellBottom) {
  EXPECT_GT(spritePixels(kHazard, 49, 50), 10);
  for (const Cell& c : kTrap) EXPECT_GT(spritePixels(c, 49, 50), 10) << "trap frame at " << c.x;
}

// The idle weapon sits over the hero's head, where the health bar is drawn first.
TEST_F(SpriteSheetExtras, IdleWeaponsLeaveTheHealthBarVisible) {
  for (int y : kWeaponRows) {
    for (int x : {0, 50, 100}) {
      EXPECT_EQ(spritePixels({x + 23, y, 4, 10}), 0) << "idle weapon at " << x << "," << y;
    }
  }
}

// Swung left, level 0/3 is read from x 400 and level 2/5 from x 300: the mirror order of
// the right-swung cells at 150, 200, 250.
TEST_F(SpriteSheetExtras, LeftSwungWeaponsMirrorTheRightSwungOnes) {
  for (int y : kWeaponRows) {
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(mirrorMismatches(sheet, 150 + i * kFrame, y, 400 - i * kFrame, y), 0)
          << "level " << (y / kFrame) * 3 + i;
  }
}

TEST_F(SpriteSheetExtras, NutIsCentred) {
  int left = kFrame, right = -1, top = kFrame, bottom = -1;
  for (int y = 0; y < kFrame; ++y) {
    for (int x = 0; x < kFrame; ++x) {
      if (isKey(kNut.x + x, kNut.y + y)) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  EXPECT_NEAR((left + right) / 2.0, 24.5, 2.0);
  EXPECT_NEAR((top + bottom) / 2.0, 24.5, 2.0);
  EXPECT_NEAR(bottom - top + 1, 26, 4);
}

}  // namespace
