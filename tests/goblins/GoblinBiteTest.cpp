// Under the wild rules a goblin's swing bites a hero in reach: armour-scaled, once per safety window,
// with a knock-back away from the goblin. The hero's view corner is (100, 100).
#include "GoblinTestFixture.h"
#include "shell/GameState.h"

namespace {
const float kHeroCornerX = 395.0f, kHeroCornerY = 315.0f;  // the hero's sprite corner in the level

class GoblinBiteTest : public GoblinTest {
 protected:
  void SetUp() override {
    wildRules = true;
    goblin.health = 100;
    goblin.attacking = true;
  }
  // A goblin at `dx` from the hero's corner, facing right or left, reaching the strike
  // frame of a new attack cycle.
  void strike(float dx, bool facingRight, float dy = -7.0f) {
    std::tie(goblin.x, goblin.y, goblin.movingRight) =
        std::tuple(kHeroCornerX + dx, kHeroCornerY + dy, facingRight);
    gameClock.advance(1);
    goblin.animStart = nowMs() - goblin.strikeMs();
    goblin.swingAtHero(nowMs());
  }
  // The hero's updates after the bite, which carry out the shove.
  void heroSettles() {
    for (int i = 0; i < 10; ++i) player.update(tickNow(16.0f), screen.get(), world.get());
  }
  Picture world = rgbaPicture(1000, 700, 0);  // nothing solid: nothing stops the shove
  Picture screen = rgbaPicture(640, 480, 0);
};
}  // namespace

TEST_F(GoblinBiteTest, CostsHealthByArmourAndShovesAwayFromTheGoblin) {
  const struct {
    int armour, health;
    float dx;
    bool facingRight;
    float heroX;
  } cases[] = {{0, 80, -10.0f, true, 140.0f}, {1, 84, 20.0f, false, 60.0f}, {5, 100, -10.0f, true, 140.0f}};
  for (const auto& c : cases) {
    player.reset(nowMs());
    player.setArmourLevel(c.armour);
    strike(c.dx, c.facingRight);
    EXPECT_EQ(player.getHealth(), c.health) << "armour " << c.armour;
    heroSettles();
    EXPECT_EQ(player.getX(), c.heroX) << "armour " << c.armour;
    EXPECT_TRUE(player.shielded(nowMs()));
  }
}

TEST_F(GoblinBiteTest, BitesOncePerSafetyWindowAndOnlyWhatItFacesInReach) {
  strike(-10.0f, true);
  strike(-10.0f, true);  // the next cycle, within the second of safety
  EXPECT_EQ(player.getHealth(), 80);
  gameClock.advance(kBlinkMs);
  strike(-10.0f, true);
  EXPECT_EQ(player.getHealth(), 60);
  // Facing away, too far, behind, or too high: no bite.
  const struct {
    float dx;
    bool right;
    float dy;
  } misses[] = {{-10.0f, false, -7.0f}, {-40.0f, true, -7.0f}, {10.0f, true, -7.0f}, {-10.0f, true, -47.0f}};
  for (const auto& m : misses) {
    gameClock.advance(kBlinkMs);
    strike(m.dx, m.right, m.dy);
    EXPECT_EQ(player.getHealth(), 60) << m.dx << " " << m.dy;
  }
  // One swing per cycle, however long the cycle's last frame shows.
  gameClock.advance(kBlinkMs);
  strike(-10.0f, true);
  gameClock.advance(kBlinkMs);
  goblin.swingAtHero(nowMs());
  EXPECT_EQ(player.getHealth(), 40);
  // A hero who comes in reach as a cycle begins is bitten then, not spared by its phase.
  gameClock.advance(kBlinkMs);
  goblin.animStart = nowMs();
  goblin.swingAtHero(nowMs());
  EXPECT_EQ(player.getHealth(), 20);
}

// A wild goblin winds up: it strikes its pose as the hero comes near and bites a quarter
// of a second later at the earliest, so the player can react.
TEST_F(GoblinBiteTest, ClassicGoblinsNeverBiteThroughTheirUpdateAndWildOnesWindUpFirst) {
  for (bool wild : {false, true}) {
    wildRules = wild;
    player.reset(nowMs());
    std::tie(goblin.attacking, goblin.x, goblin.y, goblin.movingRight, goblin.walkSpeed) =
        std::tuple(false, kHeroCornerX - 10.0f, kHeroCornerY - 7.0f, true, 0.0f);
    uint32_t posedAt = 0, bitAt = 0;
    for (int i = 0; i < 60; ++i) {
      gameClock.advance(16);
      goblin.update(tickNow(16.0f), screen.get(), world.get());
      goblin.y = kHeroCornerY - 7.0f;  // held level with the hero, in the air of this empty world
      if (!posedAt && goblin.attacking) posedAt = nowMs();
      if (!bitAt && player.getHealth() < 100) bitAt = nowMs();
    }
    EXPECT_EQ(player.getHealth(), wild ? 80 : 100) << wild;
    if (!wild) continue;
    EXPECT_GE(bitAt - posedAt, 250u);
    EXPECT_LT(bitAt - posedAt, 250u + 16u);
  }
}
