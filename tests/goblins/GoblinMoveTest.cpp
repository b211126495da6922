#include "GoblinTestFixture.h"
#include "platform/Image.h"
#include "play/Contacts.h"
#include "shell/GameFlow.h"

namespace {
const uint32_t kFree = 0xFFFFFFFF;  // opaque white
const uint32_t kRock = 0xFF000000;  // opaque black
const int kMapW = 1000;             // px
const int kMapH = 800;              // px

class GoblinMoveTest : public GoblinTest {
 protected:
  void SetUp() override {
    GoblinTest::SetUp();
    // A common kind-2 walker on the ground that never jumps unless a test says so.
    setKind(2);
    std::tie(goblin.commonBreed, goblin.health, goblin.speedy, goblin.jumpChance, goblin.airTick) =
        std::tuple(true, 100, 0.0f, 0, nowMs());
  }
  void paint(int x0, int y0, int x1, int y1, uint32_t pixel = kRock) {
    paintRect(picture.get(), x0, y0, x1, y1, pixel);
    collision = collisionOf(picture.get());
  }
  void standOnFloor(float x, int floorY) {
    paint(0, floorY, kMapW, floorY + 30);
    std::tie(goblin.x, goblin.y, goblin.airborne, goblin.onGround) =
        std::tuple(x, float(floorY - 50), false, true);
  }
  void heroLevelAt(float dx) {  // dx from the goblin to the point it watches
    placeHero(goblin.x + dx - 300.0f, goblin.y - 220.0f);
  }
  void heroFarAbove() { player.setY(goblin.y - 220.0f - 200.0f); }
  // Airborne heading right, `fallMs` into its fall, with the hero out of notice.
  void inAir(float x, float y, uint32_t fallMs) {
    std::tie(goblin.x, goblin.y, goblin.onGround, goblin.airTick) = std::tuple(x, y, false, nowMs() - fallMs);
    goblin.airborne = goblin.movingRight = true;
    heroFarAbove();
  }
  void frame(uint32_t ms) {
    gameClock.advance(ms);
    contacts.stepGoblin(goblin, tickNow(static_cast<float>(ms)), collision);
  }
  Picture picture = rgbaPicture(kMapW, kMapH, kFree);
  CollisionMap collision = collisionOf(picture.get());
};
}  // namespace

TEST_F(GoblinMoveTest, LongFrameMovesLikeOneHundredMsButGravityUsesTheGap) {
  inAir(500.0f, 400.0f, 0);
  goblin.speedy = -2.0f;
  frame(250);
  EXPECT_EQ(std::tuple(goblin.x, goblin.y, goblin.airTick), std::tuple(510.0f, 380.0f, nowMs()));
  EXPECT_NEAR(goblin.speedy, 0.5f, 1e-4);
}

TEST_F(GoblinMoveTest, PositionsRoundToWholePixelsWithHalvesGoingRight) {
  standOnFloor(400.0f, 500);
  goblin.rareBreed = goblin.movingRight = true;
  goblin.commonBreed = false;
  goblin.walkSpeed = 0.35f;
  heroLevelAt(300.0f);
  frame(10);
  EXPECT_EQ(goblin.x, 400.0f);
  frame(16);
  EXPECT_EQ(goblin.x, 401.0f);
  heroLevelAt(-300.0f);
  frame(16);  // still heading right in this frame's move; turns after it
  frame(16);
  EXPECT_EQ(std::pair(goblin.x, goblin.movingRight), std::pair(401.0f, false));

  goblin.walkSpeed = 1.0f;  // 5 ms is then half a pixel
  frame(5);
  EXPECT_EQ(goblin.x, 401.0f);
  heroLevelAt(300.0f);
  frame(5);  // turns right after this move
  frame(5);
  EXPECT_EQ(goblin.x, 402.0f);
  goblin.walkSpeed = 0.35f;  // out of notice a rare goblin takes up its kind's speed
  heroFarAbove();
  frame(16);
  EXPECT_EQ(goblin.walkSpeed, 1.0f);
}

TEST_F(GoblinMoveTest, WallsTurnItAwayAndBothWallsTurnItRight) {
  standOnFloor(400.0f, 500);
  paint(0, 470, 402, 480);
  heroLevelAt(-200.0f);  // the wall has the last word over the turn toward the hero
  frame(10);
  EXPECT_TRUE(goblin.movingRight);
  paint(448, 470, kMapW, 480);
  heroFarAbove();
  frame(10);
  EXPECT_TRUE(goblin.movingRight);
  paint(0, 470, 402, 480, kFree);
  frame(10);
  EXPECT_FALSE(goblin.movingRight);
}

TEST_F(GoblinMoveTest, LandsOnAThinPlankAndRestsOnIt) {
  paint(0, 600, kMapW, 624);
  inAir(300.0f, 450.0f, 2000);  // as after a long fall: the speed cap at once
  int landedFrames = 0;
  for (int i = 0; i < 200; ++i) {
    frame(16);
    if (goblin.airborne) continue;
    ++landedFrames;
    ASSERT_TRUE(goblin.onGround);
    ASSERT_EQ(goblin.y, 550.0f);  // feet on the plank's top row, 600
  }
  EXPECT_GT(landedFrames, 100);
  EXPECT_EQ(goblin.speedy, 3.0f);          // kept from the fall
  for (int i = 0; i < 3; ++i) frame(100);  // long frames do not sink it through the 24 px plank
  EXPECT_EQ(std::pair(goblin.y, goblin.airborne), std::pair(550.0f, false));
}

TEST_F(GoblinMoveTest, WalksOffALedgeAndFallsAtOnceWithItsKeptSpeed) {
  paint(0, 300, 500, 330);      // a ledge ending at x 500
  paint(0, 500, kMapW, 530);    // 200 px below
  inAir(400.0f, 230.0f, 2000);  // drops onto the ledge at full speed
  bool landed = false;
  for (int i = 0; i < 100 && !(landed && goblin.airborne); ++i) {
    frame(16);
    landed = landed || !goblin.airborne;
  }
  ASSERT_TRUE(landed && goblin.airborne);
  const float edgeY = goblin.y;
  int dropsAt = 0, landsAt = 0;
  for (int pass = 1; pass <= 60 && !landsAt; ++pass) {
    frame(16);
    if (!dropsAt && goblin.y > edgeY) dropsAt = pass;
    if (!goblin.airborne) landsAt = pass;
  }
  EXPECT_TRUE(dropsAt >= 1 && dropsAt <= 2) << dropsAt;
  EXPECT_TRUE(landsAt >= 1 && landsAt <= 45) << landsAt;
  EXPECT_EQ(goblin.y, 450.0f);
}

TEST_F(GoblinMoveTest, KindOneStandsFacingTheHeroAndWalksWhenItLeavesNotice) {
  standOnFloor(600.0f, 500);
  setKind(1);
  goblin.walkSpeed = 1.35f;
  goblin.movingRight = true;
  heroLevelAt(-200.0f);
  frame(16);
  EXPECT_EQ(std::pair(goblin.movingRight, goblin.walkSpeed), std::pair(false, 0.0f));
  float standing = goblin.x;
  frame(16);
  EXPECT_EQ(goblin.x, standing);
  heroFarAbove();
  frame(16);
  EXPECT_EQ(goblin.walkSpeed, 1.35f);
  frame(16);
  EXPECT_EQ(goblin.x, standing - 2.0f);
}

TEST_F(GoblinMoveTest, AttackPoseHoldsUntilTheNextSpawn) {
  standOnFloor(400.0f, 500);
  goblin.movingRight = true;
  heroLevelAt(50.0f);
  frame(16);
  EXPECT_EQ(std::tuple(goblin.attacking, goblin.movingRight, goblin.x), std::tuple(true, true, 402.0f));
  heroFarAbove();
  frame(16);
  EXPECT_TRUE(goblin.attacking);
  goblin.spawn(0);
  EXPECT_FALSE(goblin.attacking);
}

// Under the wild rules a walking goblin stops where its body (8 px in) meets the hero's
// (10 px in): its corner 32 px short of his. Under the classic ones it walks through him.
TEST_F(GoblinMoveTest, AWildGoblinStopsAtTheHerosBodyAndAClassicOneWalksThrough) {
  for (bool wild : {true, false}) {
    wildRules = wild;
    standOnFloor(400.0f, 500);
    goblin.movingRight = true;
    heroLevelAt(150.0f);  // his sprite corner at 545
    float farthest = 0.0f;
    for (int i = 0; i < 125; ++i) frame(16), farthest = std::max(farthest, goblin.x);
    EXPECT_TRUE(wild ? farthest == 513.0f && goblin.x == 513.0f : farthest > 545.0f)
        << wild << ": " << farthest << ", " << goblin.x;
  }
}

namespace {
const uint32_t kBackground = 0xFFFFFFFF;
const uint32_t kBarColour = 0xFF0000FF;  // opaque red

class GoblinDrawTest : public GoblinTest {
 protected:
  void SetUp() override {
    GoblinTest::SetUp();
    freeImage(goblin.spriteSheet);
    freeImage(goblin.healthBarImage);
    goblin.spriteSheet = makeCellSheet(goblinSheet::kWidth, goblinSheet::kHeight);
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
    goblin.pickFrame(nowMs());
    goblin.draw(screen.get(), nowMs());
  }
  uint32_t shownAt(int x, int y) { return getPixel32(screen.get(), x, y); }
  Picture screen = rgbaPicture(640, 480, kBackground);
};
}  // namespace

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
