#include "GoblinTestFixture.h"
#include "play/Contacts.h"
#include "state/GameState.h"

namespace {
const uint8_t kFacingRight = 0, kFacingLeft = 1;

// The hero's view corner is (100, 100), so its hit point is (388, 308).
class GoblinCombatTest : public GoblinTest {
 protected:
  void place(Goblin& g, float x, float y, int health) {
    std::tie(g.x, g.y, g.health) = std::tuple(x, y, health);
  }
  void swing(uint8_t ori) { contacts.hitGoblin(goblin, 100.0f, 100.0f, ori, nowMs()); }
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
    EXPECT_EQ(std::pair(goblin.x, goblin.health), std::pair(c.endX, c.health)) << c.x << "," << c.y;
  }
  // A long reach on the left never heals.
  player.setWeaponLevel(5);
  place(goblin, 343.0f, 300.0f, 100);  // 45 px away: the loss would be 30 - 45
  swing(kFacingLeft);
  EXPECT_EQ(std::pair(goblin.x, goblin.health), std::pair(333.0f, 100));
}

TEST_F(GoblinCombatTest, SecondHitPutsItOutOfTheGame) {
  place(goblin, 400.0f, 300.0f, 100);
  swing(kFacingRight);  // to 410, health 38, as above
  swing(kFacingRight);
  EXPECT_EQ(std::pair(goblin.x, goblin.health), std::pair(420.0f, -34));
  goblin.x = 400.0f;  // back in reach, but out of the game
  swing(kFacingRight);
  EXPECT_EQ(std::pair(goblin.x, goblin.health), std::pair(400.0f, -34));
  // It neither falls nor shows.
  goblin.airborne = true;
  uint32_t airTick = goblin.airTick;
  gameClock.advance(16);
  contacts.stepGoblin(goblin, tickNow(16.0f), CollisionMap());
  EXPECT_EQ(std::tuple(goblin.x, goblin.y, goblin.airTick, goblin.shown),
            std::tuple(400.0f, 300.0f, airTick, false));
}

namespace {
// Under the wild rules the hero's sprite corner is (395, 315) and a goblin on his floor
// stands 7 px higher; the hero's swing is running.
class WildSwingTest : public GoblinCombatTest {
 protected:
  void SetUp() override {
    GoblinCombatTest::SetUp();
    wildRules = true;
  }
  void newSwing() {
    gameClock.advance(kSwingMs);
    ++player.swingCount;
    player.swingStart = nowMs();
  }
};
}  // namespace

TEST_F(WildSwingTest, HitsWhatTheArcCoversInFrontAndWhatOverlapsHimButNothingBehind) {
  const struct {
    int weapon;
    uint8_t ori;
    float dx, dy;
    bool hit;
  } cases[] = {
      {0, kFacingRight, 45, -7, true},  {0, kFacingRight, -35, -7, false},
      {0, kFacingLeft, -45, -7, true},  {0, kFacingLeft, 35, -7, false},
      {0, kFacingRight, -5, -7, true},  {0, kFacingLeft, 5, -7, true},    // in his body, behind his middle
      {0, kFacingRight, 60, -7, false}, {5, kFacingRight, 60, -7, true},  // past the stick, not the blade
      {0, kFacingRight, 30, -60, false}};
  for (const auto& c : cases) {
    player.setWeaponLevel(c.weapon);
    place(goblin, 395 + c.dx, 315 + c.dy, 100);
    newSwing();
    swing(c.ori);
    EXPECT_EQ(goblin.health < 100, c.hit) << c.weapon << " " << int(c.ori) << " " << c.dx << "," << c.dy;
    // Pushed away from him, so one behind his middle is not pushed through him.
    EXPECT_TRUE(!c.hit || goblin.knockBack == (c.dx > 0 ? 16 : -16)) << c.dx;
  }
}

TEST_F(WildSwingTest, FallsInThreeTwoOrOneHitsByWeaponAndEachSwingHitsOnce) {
  const int hitsToFall[] = {3, 2, 2, 2, 1, 1};
  for (int weapon = 0; weapon < 6; ++weapon) {
    player.setWeaponLevel(weapon);
    place(goblin, 415, 308, 100);
    int swings = 0;
    for (; goblin.health > 0 && swings < 5; ++swings) {
      newSwing();
      for (int i = 0; i < 3; ++i) swing(kFacingRight);  // the goblins test the swing on every pass
    }
    EXPECT_EQ(swings, hitsToFall[weapon]) << "weapon " << weapon;
  }
}

TEST_F(WildSwingTest, AHitFlashesLightAndPushesSixteenPxUntilAWall) {
  Picture screen = rgbaPicture(640, 480, 0xFF000000);
  // Where a wall stands (none: 0) and where the push leaves the goblin.
  for (auto [wallX, endX] : {std::pair{0, 431.0f}, {475, 424.0f}}) {
    Picture world = rgbaPicture(1000, 700, 0);
    paintRect(world.get(), 0, 358, 1000, 360, 0xFF000000);  // the floor under the goblin
    if (wallX) paintRect(world.get(), wallX, 0, wallX + 5, 700, 0xFF000000);
    const CollisionMap map = collisionOf(world.get());
    place(goblin, 415, 308, 100);
    goblin.walkSpeed = 0.0f;
    newSwing();
    auto brightness = [&] {  // of the goblin's square on the screen, after one pass
      gameClock.advance(16);
      contacts.stepGoblin(goblin, tickNow(16.0f), map);
      goblin.draw(screen.get(), nowMs());
      long sum = 0;
      for (int y = 208 + 36; y < 258 + 36; ++y)  // the wild play lies below the status band
        for (int x = 300; x < 400; ++x) sum += rgbOfPixel(screen.get(), x, y) & 0xFF;
      paintRect(screen.get(), 0, 0, 640, 480, 0xFF000000);
      return sum;
    };
    long flashed = brightness();
    for (int i = 0; i < 6; ++i) brightness();  // past the flash's 100 ms
    EXPECT_GT(flashed, brightness() * 3 / 2);
    EXPECT_EQ(goblin.x, endX) << "wall at " << wallX;
  }
}

using GoblinSpawnTest = GoblinTest;

TEST_F(GoblinSpawnTest, OneInSixIsRareAndKindsComeEquallyWithOneFlagEach) {
  const int spawns = 6000;
  int rare = 0;
  int kinds[3] = {};
  std::srand(7);
  for (int i = 0; i < spawns; ++i) {
    goblin.spawn(0);
    ASSERT_EQ(std::pair(goblin.rareBreed, goblin.commonBreed),  // and its frames are its breed's
              std::pair(goblin.breed == goblinSheet::kRareBreed, goblin.breed != goblinSheet::kRareBreed));
    // Exactly the flag of its kind.
    ASSERT_EQ(goblin.isKind0 | goblin.isKind1 << 1 | goblin.isKind2 << 2, 1 << goblin.kind);
    rare += goblin.rareBreed;
    kinds[goblin.kind]++;
  }
  EXPECT_NEAR(rare, spawns / 6, 150);
  for (int count : kinds) EXPECT_NEAR(count, spawns / 3, 200);
}

TEST_F(GoblinSpawnTest, PlacesTheGoblinAheadOfTheHeroReadyToFightWithItsSound) {
  goblin.spawn(3);
  EXPECT_GT(goblin.x, 100.0f);
  EXPECT_EQ(std::tuple(goblin.y, goblin.health, goblin.airborne, goblin.onGround),
            std::tuple(430.0f, 100, true, true));
  Mix_Chunk* sound = goblin.soundLanding;
  ASSERT_NE(sound, nullptr);
  goblin.spawn(1);
  EXPECT_EQ(goblin.soundLanding, sound);  // kept, not loaded again
}

// Under the wild rules a goblin's swing bites a hero in reach: armour-scaled, once per safety window,
// with a knock-back away from the goblin. The hero's view corner is (100, 100).
namespace {
const float kHeroCornerX = 395.0f, kHeroCornerY = 315.0f;  // the hero's sprite corner in the level
const uint32_t kWarnMs = 400;  // the wind-up, and the time a hero in reach has to act

class GoblinBiteTest : public GoblinTest {
 protected:
  void SetUp() override {
    wildRules = true;
    goblin.health = 100;
    goblin.attacking = true;
  }
  // A goblin at `dx` from the hero's corner, facing right or left, long wound up: the hero
  // comes in reach, and after his time to act a new attack cycle reaches its strike frame.
  void strike(float dx, bool facingRight, float dy = -7.0f) {
    std::tie(goblin.x, goblin.y, goblin.movingRight) =
        std::tuple(kHeroCornerX + dx, kHeroCornerY + dy, facingRight);
    goblin.poseTick = nowMs() - kWarnMs;
    contacts.goblinBites(goblin, nowMs());
    gameClock.advance(kWarnMs);
    goblin.animStart = nowMs() - goblin.strikeMs();
    contacts.goblinBites(goblin, nowMs());
  }
  // The hero's updates after the bite, which carry out the shove.
  void heroSettles() {
    for (int i = 0; i < 10; ++i) contacts.stepHero(tickNow(16.0f), world);
  }
  const CollisionMap world = collisionOf(rgbaPicture(1000, 700, 0).get());  // nothing solid stops the shove
};
}  // namespace

// From the farthest place a goblin bites, on either side, the shove leaves it in the
// reach of the shortest weapon: the answer to a bite is a swing.
TEST_F(GoblinBiteTest, CostsHealthByArmourAndShovesTheHeroAwayButInReach) {
  const struct {
    int armour, health;
    float dx;
    bool facingRight;
    float heroX;
  } cases[] = {{0, 80, -36.0f, true, 112.0f}, {1, 84, 30.0f, false, 88.0f}, {5, 100, -36.0f, true, 112.0f}};
  for (const auto& c : cases) {
    player.reset(nowMs());
    player.setArmourLevel(c.armour);
    strike(c.dx, c.facingRight);
    EXPECT_EQ(player.getHealth(), c.health) << "armour " << c.armour;
    heroSettles();
    EXPECT_EQ(player.getX(), c.heroX) << "armour " << c.armour;
    EXPECT_TRUE(player.shielded(nowMs()));
    player.setY(100.0f);  // fallen meanwhile through this empty world
    EXPECT_TRUE(contacts.heroReaches(goblin, player.x, player.y, c.facingRight ? kFacingLeft : kFacingRight));
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
  contacts.goblinBites(goblin, nowMs());
  EXPECT_EQ(player.getHealth(), 40);
  // A hero who comes in reach as a cycle begins is bitten then, not spared by its phase.
  gameClock.advance(kBlinkMs);
  goblin.animStart = nowMs();
  contacts.goblinBites(goblin, nowMs());
  EXPECT_EQ(player.getHealth(), 20);
}

// A wild goblin winds up: it raises its weapon as the hero comes near and holds it up,
// and bites a hero who steps in its reach no sooner than 400 ms later.
TEST_F(GoblinBiteTest, ClassicGoblinsNeverBiteThroughTheirUpdateAndWildOnesWarnFirst) {
  const goblinSheet::Cell raised = goblinSheet::cellAfter(goblinSheet::kBreeds[0].runs[0][1].attack, 2);
  for (bool wild : {false, true}) {
    wildRules = wild;
    player.reset(nowMs());
    std::tie(goblin.attacking, goblin.movingRight, goblin.walkSpeed) = std::tuple(false, true, 0.0f);
    uint32_t arrivedAt = 0, bitAt = 0;
    for (int i = 0; i < 120; ++i) {
      // Near but out of its reach for a second, then in it; held level in this empty world.
      if (i == 60) arrivedAt = nowMs() + 16;
      std::tie(goblin.x, goblin.y) = std::tuple(kHeroCornerX - (i < 60 ? 60.0f : 10.0f), kHeroCornerY - 7.0f);
      gameClock.advance(16);
      contacts.stepGoblin(goblin, tickNow(16.0f), world);
      if (!bitAt && player.getHealth() < 100) bitAt = nowMs();
      if (wild && i == 58) {  // a second after the pose, still raised
        EXPECT_EQ(std::pair(int(goblin.srcRect.x), int(goblin.srcRect.y)), std::pair(raised.x, raised.y));
      }
    }
    EXPECT_EQ(player.getHealth(), wild ? 80 : 100) << wild;
    if (!wild) continue;
    EXPECT_GE(bitAt - arrivedAt, kWarnMs);
    EXPECT_LT(bitAt - arrivedAt, kWarnMs + 16u);
  }
}

// A lost life starts clear: goblins within 200 px of the hero go back to their posts,
// and he is safe for 2 s.
TEST_F(GoblinBiteTest, ALostLifeSendsNearGoblinsToTheirPostsAndShieldsTwoSeconds) {
  for (Goblin& g : goblins) g.health = 0;
  // Near, far, and near but knocked out, of the hero's new start at his corner (395, 315).
  const float dx[] = {150.0f, -250.0f, 50.0f};
  for (int i = 0; i < 3; ++i) {
    goblins[i].lieInWait(1000.0f + 100.0f * float(i), 200.0f, nowMs());
    std::tie(goblins[i].x, goblins[i].y, goblins[i].waiting, goblins[i].health) =
        std::tuple(kHeroCornerX + dx[i], kHeroCornerY, false, i == 2 ? 0 : 100);
  }
  player.reset(nowMs());
  player.setHealth(0);
  gameClock.advance(16);
  contacts.stepHero(tickNow(16.0f), world);
  const uint32_t startedAt = nowMs();
  EXPECT_EQ(std::tuple(goblins[0].x, goblins[0].y, goblins[0].waiting), std::tuple(1000.0f, 200.0f, true));
  for (int i = 1; i < 3; ++i) EXPECT_EQ(goblins[i].x, kHeroCornerX + dx[i]) << i;
  EXPECT_TRUE(player.shielded(startedAt + 1999));
  EXPECT_FALSE(player.shielded(startedAt + 2000));
  for (Goblin& g : goblins) std::tie(g.health, g.hasPost, g.waiting) = std::tuple(0, false, false);
}
