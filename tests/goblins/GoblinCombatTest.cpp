#include "GoblinTestFixture.h"

namespace {
const uint8_t kFacingRight = 0;
const uint8_t kFacingLeft = 1;

// The hero's view corner is (100, 100), so its hit point is (388, 308).
class GoblinCombatTest : public GoblinTest {
 protected:
  void SetUp() override {
    GoblinTest::SetUp();
    setPlayerX(100.0f);
    setPlayerY(100.0f);
    player.setWeaponLevel(0);
  }
  void place(Goblin& g, float x, float y, int health) {
    g.x = x;
    g.y = y;
    g.health = health;
  }
  void swing(uint8_t ori) { goblin.hitTest(100.0f, 100.0f, ori); }
};
}  // namespace

TEST_F(GoblinCombatTest, HitsOnlyWhatIsInFrontWithinReachAndHeight) {
  struct Case {
    float x, y;
    uint8_t ori;
    float endX;
    int health;
  } cases[] = {
      {370, 300, kFacingLeft, 360, 88},   {400, 300, kFacingRight, 410, 38},
      {400, 300, kFacingLeft, 400, 100},  {400, 338, kFacingRight, 400, 100},
      {400, 278, kFacingRight, 400, 100}, {358, 300, kFacingLeft, 358, 100},  // exactly the reach (30)
      {418, 300, kFacingRight, 418, 100}};
  for (const Case& c : cases) {
    place(goblin, c.x, c.y, 100);
    swing(c.ori);
    EXPECT_EQ(goblin.x, c.endX) << c.x << "," << c.y;
    EXPECT_EQ(goblin.health, c.health) << c.x << "," << c.y;
  }
  // A long reach on the left never heals.
  player.setWeaponLevel(5);
  place(goblin, 343.0f, 300.0f, 100);  // 45 px away: the loss would be 30 - 45
  swing(kFacingLeft);
  EXPECT_EQ(goblin.x, 333.0f);
  EXPECT_EQ(goblin.health, 100);
}

TEST_F(GoblinCombatTest, SecondHitPutsItOutOfTheGame) {
  place(goblin, 400.0f, 300.0f, 100);
  swing(kFacingRight);  // to 410, health 38, as above
  swing(kFacingRight);
  EXPECT_EQ(goblin.x, 420.0f);
  EXPECT_EQ(goblin.health, -34);

  goblin.x = 400.0f;  // back in reach, but out of the game
  swing(kFacingRight);
  EXPECT_EQ(goblin.x, 400.0f);
  EXPECT_EQ(goblin.health, -34);

  Picture screen = rgbaPicture(640, 480, 0xFFFFFFFF);
  SDL_FreeSurface(goblin.spriteSheet);
  goblin.spriteSheet = makeRgbaSurface(1000, 650, 0xFF000000);
  SDL_SetAlpha(goblin.spriteSheet, 0, 255);
  goblin.airborne = true;
  uint32_t airTick = goblin.airTick;
  gameClock.advance(16);
  goblin.update(tickNow(16.0f), screen.get(), nullptr);
  EXPECT_EQ(goblin.x, 400.0f);
  EXPECT_EQ(goblin.y, 300.0f);
  EXPECT_EQ(goblin.airTick, airTick);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_EQ(getPixel32(screen.get(), x, y), 0xFFFFFFFFu);
}
