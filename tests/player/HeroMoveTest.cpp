// The hero's motion with a fake clock at 10 ms per frame, against floors and walls made here.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "player/Player.h"
#include "shell/GameFlow.h"

namespace {
const uint32_t kFree = 0xFFFFFFFF;   // opaque white
const uint32_t kSolid = 0xFF000000;  // opaque black
const int kFloorTop = 300;           // first solid row of the floor
// Far left of every level, so the hero's pickup point touches no extra.
const float kViewX = -300.0f;
const float kGroundY = kFloorTop - 258.0f;  // the foot probe rests on the floor's top row

class HeroMoveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player.reset(nowMs());
    paint(0, kFloorTop, 100, 400);
  }
  void paint(int x0, int y0, int x1, int y1) { paintRect(world.get(), x0, y0, x1, y1, kSolid); }
  void step(float frameMs = 10.0f) {
    gameClock.advance(10);
    player.update(tickNow(frameMs), screen.get(), world.get());
  }
  void standOnFloor() {
    player.setX(kViewX);
    player.setY(kGroundY);
    step();
    ASSERT_FALSE(player.jum);
    ASSERT_EQ(player.getY(), kGroundY);
  }
  SavedGameState saved;  // puts back the screen and a fresh hero
  Picture world = rgbaPicture(100, 400, kFree);
  Picture screen = rgbaPicture(640, 480, kSolid);
};

TEST_F(HeroMoveTest, JumpRises105PixelsPeaksAfter30AndLandsAfter71Updates) {
  standOnFloor();
  player.jump(nowMs());
  float top = kGroundY;
  int topAt = 0, landedAt = 0;
  for (int i = 1; i <= 200 && !landedAt; ++i) {
    step();
    if (player.getY() < top) top = player.getY(), topAt = i;
    if (!player.jum) landedAt = i;
  }
  EXPECT_EQ(kGroundY - top, 105.0f);
  EXPECT_EQ(topAt, 30);
  EXPECT_EQ(landedAt, 71);
  EXPECT_EQ(player.getY(), kGroundY);
  EXPECT_EQ(player.speedy, 0.0f);
}

// A ceiling whose underside lies 101 px above the floor, within the jump's 105 px.
TEST_F(HeroMoveTest, AJumpIntoACeilingPopsOnTopUnderClassicRulesAndStopsUnderItUnderWild) {
  const int kCeilingTop = 180, kCeilingBottom = 200;
  paint(0, kCeilingTop, 100, kCeilingBottom);
  for (bool wild : {false, true}) {
    wildRules = wild;
    player.reset(nowMs());
    standOnFloor();
    player.jump(nowMs());
    float top = kGroundY;
    for (int i = 0; i < 200 && (player.jum || i < 2); ++i) step(), top = std::min(top, player.getY());
    if (wild) {
      EXPECT_EQ(player.getY(), kGroundY) << "fell back to the floor";
      EXPECT_GE(top + 215.0f, kCeilingBottom - 10.0f) << "the head stays under the ceiling";
    } else {
      EXPECT_EQ(player.getY(), kCeilingTop - 258.0f) << "stands on the ceiling";
    }
  }
}

TEST_F(HeroMoveTest, LongFramesMoveLikeOneOf100MsAndASlideFromFullSpeedLastsSixUpdatesOver14Px) {
  standOnFloor();
  player.runRight();
  step(250.0f);
  EXPECT_EQ(player.getX(), kViewX + 30);
  player.releaseRight(nowMs());
  int updates = 0;
  while (player.sli && updates < 50) step(), ++updates;
  EXPECT_EQ(updates, 6);
  EXPECT_EQ(player.getX() - kViewX, 30.0f + 14.0f);
  EXPECT_EQ(player.speedx, 0.0f);
}

TEST_F(HeroMoveTest, CrouchingHalvesTheMoveAndRoundsHalvesUp) {
  standOnFloor();
  player.crouch();
  player.runRight();
  step();
  EXPECT_EQ(player.getX(), kViewX + 2);
  player.runLeft();
  step();
  EXPECT_EQ(player.getX(), kViewX + 1);
}

// Each case adds a wall; the probes lie at x + 305 and x + 329. The feet are in the floor,
// yet a frame with a wall on one side skips the ground, and walls on both sides count as none.
TEST_F(HeroMoveTest, AWallOnOneSidePushesOutWithoutLandingAndWallsOnBothSidesCountAsNone) {
  const struct {
    int wallX0, wallX1;
    float dx, dy, endDx, endDy;
  } cases[] = {{0, 10, 0, 5, 5, 5}, {90, 100, 65, 5, 60, 5}, {29, 31, 0, 3, 0, 0}};
  for (const auto& c : cases) {
    paint(c.wallX0, 0, c.wallX1, kFloorTop);
    player.setX(kViewX + c.dx);
    player.setY(kGroundY + c.dy);
    player.resolveCollisions(world.get());
    EXPECT_EQ(player.getX(), kViewX + c.endDx) << "wall at " << c.wallX0;
    EXPECT_EQ(player.getY(), kGroundY + c.endDy) << "wall at " << c.wallX0;
    EXPECT_EQ(player.jum, c.endDy != 0) << "wall at " << c.wallX0;
  }
}

TEST_F(HeroMoveTest, LosingHealthOrALifeBlinksTheHeroForASecond) {
  setGameState(Playing);  // drawn at the view's centre
  standOnFloor();
  // Pixels of the hero's body, bar and indicator that one step draws over a blank screen.
  auto drawn = [this] {
    const uint32_t blank = 0xFF123456;
    paintRect(screen.get(), 0, 0, 640, 480, blank);
    step();
    int n = 0;
    for (int y = 185; y < 265; ++y)
      for (int x = 280; x < 360; ++x) n += getPixel32(screen.get(), x, y) != blank;
    return n;
  };
  EXPECT_GT(drawn(), 0);
  player.setHealth(50);
  EXPECT_EQ(drawn(), 0);  // dark at once
  for (int i = 0; i < 9; ++i) drawn();
  EXPECT_GT(drawn(), 0);  // lit from 100 ms
  for (int i = 0; i < 9; ++i) drawn();
  EXPECT_EQ(drawn(), 0);  // dark again from 200 ms
  for (int i = 0; i < 80; ++i) drawn();
  EXPECT_GT(drawn(), 0);  // over after a second
  EXPECT_FALSE(player.lifeFlash);
  player.setHealth(0);
  StdoutCapture out;      // the respawn point lies beyond this small world
  EXPECT_EQ(drawn(), 0);  // the life it costs: WildRulesTest
  EXPECT_TRUE(player.lifeFlash);
  EXPECT_EQ(player.lifeLostTick, nowMs());
}

TEST_F(HeroMoveTest, LastLifeLostRespawnsAndSwitchesToNameEntryInTheSameCall) {
  standOnFloor();
  player.setHealth(0);
  player.setLives(1);
  StdoutCapture out;  // at (100, 100) the probes lie beyond this small world
  step();
  EXPECT_EQ(player.getLives(), 0);
  EXPECT_EQ(player.getHealth(), 100);
  EXPECT_EQ(player.getX(), 100.0f);
  EXPECT_EQ(player.getY(), 100.0f);
  EXPECT_NE(getGameState(), Submit);  // the game flow acts once the update is over
  actOnPlayEvents(nowMs());
  EXPECT_EQ(getGameState(), Submit);  // afresh, as after the last level (ProgressionTest)
}
}  // namespace
