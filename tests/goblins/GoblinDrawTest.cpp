
#include "GoblinTestFixture.h"
#include "platform/Image.h"

namespace {
const uint32_t kBackground = 0xFFFFFFFF;
const uint32_t kBarColour = 0xFF0000FF;  // opaque red

class GoblinDrawTest : public GoblinTest {
 protected:
  void SetUp() override {
    GoblinTest::SetUp();
    setPlayerX(100.0f);
    setPlayerY(100.0f);
    freeImage(goblin.spriteSheet);
    freeImage(goblin.healthBarImage);
    goblin.spriteSheet = makeCellSheet(1000, 650);
    SDL_SetAlpha(goblin.spriteSheet, 0, 255);  // copy pixels as they are
    goblin.healthBarImage = makeRgbaSurface(8, 20, kBarColour);
    SDL_SetAlpha(goblin.healthBarImage, 0, 255);
    // Drawn at screen (200, 200).
    std::tie(goblin.x, goblin.y, goblin.health, goblin.commonBreed, goblin.onGround, goblin.animStart) =
        std::tuple(300.0f, 300.0f, 100, true, true, nowMs());
  }
  void drawAfter(uint32_t ms) {
    gameClock.advance(ms);
    SDL_FillRect(screen.get(), nullptr, kBackground);
    goblin.draw(screen.get(), nowMs());
  }
  uint32_t shownAt(int x, int y) { return getPixel32(screen.get(), x, y); }
  Picture screen = rgbaPicture(640, 480, kBackground);
};
}  // namespace

TEST_F(GoblinDrawTest, CellsRunInReadingOrderAcrossRows) {
  setKind(1);
  goblin.attacking = true;
  drawAfter(250);
  EXPECT_EQ(shownAt(225, 225), cellColour(500, 400));

  setKind(0);
  std::tie(goblin.attacking, goblin.movingRight, goblin.animStart) = std::tuple(false, true, nowMs());
  drawAfter(200);
  EXPECT_EQ(shownAt(225, 225), cellColour(0, 400));
}

TEST_F(GoblinDrawTest, BecomingAttackingLateInTheWalkRestartsOnTheFirstAttackCell) {
  setKind(0);
  goblin.jumpChance = 100;
  drawAfter(650);
  EXPECT_EQ(shownAt(225, 225), cellColour(700, 350));
  goblin.attacking = true;
  std::srand(3);
  int nextRoll = std::rand();
  std::srand(3);
  drawAfter(0);
  EXPECT_EQ(goblin.animStart, nowMs());
  EXPECT_EQ(std::rand(), nextRoll);  // an attack restart takes no jump roll
  drawAfter(16);
  EXPECT_EQ(shownAt(225, 225), cellColour(400, 300));
}

TEST_F(GoblinDrawTest, OnlyTheEndOfAWalkingCycleRollsForAJump) {
  std::tie(goblin.onGround, goblin.airborne, goblin.jumpChance, goblin.speedy) =
      std::tuple(false, true, 100, 1.0f);
  std::srand(5);
  int nextRoll = std::rand();
  std::srand(5);
  for (int i = 0; i < 5; ++i) {
    drawAfter(100);
    EXPECT_EQ(goblin.animStart, nowMs());
    EXPECT_EQ(shownAt(225, 225), cellColour(400, 350));
  }
  EXPECT_EQ(goblin.speedy, 1.0f);
  EXPECT_EQ(std::rand(), nextRoll);

  std::tie(goblin.onGround, goblin.airborne, goblin.jumpChance) = std::tuple(true, false, 10);
  int jumps = 0;
  for (int i = 0; i < 1000; ++i) {
    goblin.speedy = 1.0f;
    drawAfter(999);
    EXPECT_EQ(goblin.speedy, 1.0f);
    drawAfter(1);
    jumps += goblin.speedy == -2.0f;
  }
  EXPECT_NEAR(jumps, 100, 40);
}

TEST_F(GoblinDrawTest, HealthBarSitsAboveTheSpriteAndNeedsItsLeftEdgeOnScreen) {
  goblin.x = 150.0f;  // X 50, Y 200
  const std::tuple<int, int, int, uint32_t> probes[] = {
      {100, 73, 170, kBarColour},  {100, 76, 179, kBarColour},  {100, 73, 169, kBackground},
      {100, 73, 180, kBackground}, {100, 77, 175, kBackground}, {35, 73, 162, kBackground},
      {35, 73, 163, kBarColour},   {35, 73, 165, kBarColour},   {35, 73, 166, kBackground}};
  for (auto [health, x, y, colour] : probes) {
    goblin.health = health;
    drawAfter(0);
    EXPECT_EQ(shownAt(x, y), colour) << "health " << health << " at " << x << "," << y;
  }

  goblin.x = 60.0f;  // X -40: the last ten columns of the cell show at the edge
  goblin.health = 100;
  drawAfter(0);
  EXPECT_EQ(shownAt(0, 225), cellColour(400, 350));
  EXPECT_EQ(shownAt(9, 225), cellColour(400, 350));
  EXPECT_EQ(shownAt(10, 225), kBackground);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_NE(shownAt(x, y), kBarColour);
}
