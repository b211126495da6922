// The hero's motion with a fake clock at 10 ms per frame, against floors and walls made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestSupport.h"
#include "play/Contacts.h"
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
  void paint(int x0, int y0, int x1, int y1) {
    paintRect(world.get(), x0, y0, x1, y1, kSolid);
    map = collisionOf(world.get());
  }
  void step(float frameMs = 10.0f) {
    gameClock.advance(10);
    contacts.stepHero(tickNow(frameMs), map);
    player.draw(screen.get(), nowMs());
  }
  void standOnFloor() {
    placeHero(kViewX, kGroundY);
    step();
    ASSERT_FALSE(player.jum);
    ASSERT_EQ(player.getY(), kGroundY);
  }
  SavedGameState saved;  // puts back the screen and a fresh hero
  Picture world = rgbaPicture(100, 400, kFree);
  CollisionMap map;  // of the world, as painted
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
  EXPECT_EQ(std::tuple(kGroundY - top, topAt, landedAt, player.getY(), player.speedy),
            std::tuple(105.0f, 30, 71, kGroundY, 0.0f));
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
  EXPECT_EQ(std::tuple(updates, player.getX() - kViewX, player.speedx), std::tuple(6, 30.0f + 14.0f, 0.0f));
}

// Classic's jumps and slide: the tests above. The floor ends at x 100, which the foot probe
// (x + 320) walks off at view x -220.
TEST_F(HeroMoveTest, WildJumpsTakeALatePressOffALedgeAndAnEarlyOneBeforeLandingAndSlideHalfAsFar) {
  wildRules = true;
  for (auto [ms, jumps] : {std::pair{100u, true}, {110u, false}}) {
    player.reset(nowMs()), standOnFloor(), player.runRight();
    for (int i = 0; i < 100 && !player.jum; ++i) step();
    for (uint32_t late = 0; late < ms; late += 10) step();
    player.jump(nowMs());  // this late after walking off the ledge
    EXPECT_EQ(player.speedy < 0.0f, jumps) << ms;
    placeHero(kViewX, kGroundY - 0.3f * static_cast<float>(ms)), player.speedy = 3.0f;  // lands in `ms`
    player.jump(nowMs());  // this early before landing
    for (int i = 0; i < 20; ++i) step();
    EXPECT_EQ(player.getY() < kGroundY - 20.0f, jumps) << ms;
  }
  player.reset(nowMs()), standOnFloor(), player.runRight(), step(250.0f), player.releaseRight(nowMs());
  for (int i = 0; i < 50 && player.sli; ++i) step();
  EXPECT_EQ(player.getX() - kViewX, 30.0f + 6.0f);  // 14 px under Classic
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
    placeHero(kViewX + c.dx, kGroundY + c.dy);
    player.resolveCollisions(map);
    EXPECT_EQ(std::tuple(player.getX(), player.getY(), player.jum),
              std::tuple(kViewX + c.endDx, kGroundY + c.endDy, c.endDy != 0))
        << "wall at " << c.wallX0;
  }
}

// The hero starts again at the level's start with full health, and the same step
// reports the game's end, which the flow turns into the name entry.
TEST_F(HeroMoveTest, TheLastLifeLostRespawnsAndEndsTheGameInTheSameStep) {
  standOnFloor();
  player.setHealth(0);
  player.setLives(1);
  StdoutCapture out;  // at (100, 100) the probes lie beyond this small world
  step();
  EXPECT_EQ(
      std::tuple(player.getLives(), player.getHealth(), player.getX(), player.getY(), playEvents.outOfLives),
      std::tuple(0, 100, 100.0f, 100.0f, true));
  actOnPlayEvents(nowMs());
  EXPECT_EQ(getGameState(), Submit);
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

// The hero's key actions and small operations, and the sounds they start and stop.
const int kRunningChannel = 1;
Mix_Chunk* PlayerLook::*const kSounds[] = {
    &PlayerLook::soundRunning, &PlayerLook::soundJump1,  &PlayerLook::soundJump2,  &PlayerLook::soundSwiv,
    &PlayerLook::soundSwing1,  &PlayerLook::soundSwing2, &PlayerLook::soundSwing3, &PlayerLook::soundSwing4};

// A second of silence, which stays audible to Mix_Playing for the whole test.
Uint8 silence[22050 * 4];
using Chunk = std::unique_ptr<Mix_Chunk, void (*)(Mix_Chunk*)>;
Chunk silentChunk() { return {Mix_QuickLoad_RAW(silence, sizeof silence), Mix_FreeChunk}; }

bool playing(Mix_Chunk* chunk) {
  for (int ch = 0; ch < Mix_AllocateChannels(-1); ++ch)
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == chunk) return true;
  return false;
}

class HeroActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player.reset(nowMs());
    for (Mix_Chunk* PlayerLook::*sound : kSounds) saved.push_back(player.look.*sound);
    player.look.soundRunning = running.get();
    player.look.soundJump1 = player.look.soundJump2 = landing.get();  // either jump sound counts
    Mix_HaltChannel(-1);
  }
  void TearDown() override {
    Mix_HaltChannel(-1);
    for (size_t i = 0; i < saved.size(); ++i) player.look.*kSounds[i] = saved[i];
  }
  // On a floor of one solid row under the foot probe of the hero at (0, 0).
  void land() {
    Picture floor = rgbaPicture(400, 300, 0xFFFFFFFF);
    paintRect(floor.get(), 0, 258, 400, 259, 0xFF000000);
    player.x = player.y = 0.0f;
    player.resolveCollisions(collisionOf(floor.get()));
  }
  Chunk running = silentChunk(), landing = silentChunk();
  std::vector<Mix_Chunk*> saved;
  SavedGameState savedState;  // a fresh hero after
};

// The landing's stop is timed in HeroMoveTest.
TEST_F(HeroActionsTest, LandingPlaysTheJumpSoundAndKeepsAnUpwardSpeed) {
  player.speedy = 2.0f;
  land();
  EXPECT_EQ(std::pair(playing(landing.get()), playing(running.get())), std::pair(true, false));
  Mix_HaltChannel(-1);
  land();  // standing is no landing
  EXPECT_FALSE(playing(landing.get()));
  player.jum = true;
  player.speedx = -1.0f;  // sliding into the landing restarts the running loop
  player.speedy = -2.0f;  // and an upward speed is kept
  land();
  EXPECT_TRUE(Mix_Playing(kRunningChannel) && Mix_GetChunk(kRunningChannel) == running.get());
  EXPECT_EQ(player.speedy, -2.0f);
}

TEST_F(HeroActionsTest, ReleasingTheKeyThatNoLongerDrivesKeepsRunning) {
  player.jum = false;
  player.runRight();
  player.runLeft();
  player.releaseRight(nowMs());
  EXPECT_EQ(std::tuple(player.speedx, player.sli, playing(running.get())), std::tuple(-3.0f, false, true));
  player.releaseLeft(nowMs());
  EXPECT_EQ(std::tuple(player.sli, player.slideStart, playing(running.get())),
            std::tuple(true, nowMs(), false));
}

TEST_F(HeroActionsTest, AirborneRunKeySoundsNothingAndJumpDoesNothing) {
  player.runRight();
  EXPECT_EQ(std::pair(playing(running.get()), player.speedx), std::pair(false, 3.0f));
  player.jumpStart = 5;
  player.jump(nowMs());
  player.dropDown(nowMs());
  EXPECT_EQ(std::pair(player.jumpStart, player.speedy), std::pair(5u, 0.0f));
  player.jum = false;
  player.dropDown(nowMs());
  EXPECT_EQ(std::tuple(player.jum, player.speedy, player.jumpStart), std::tuple(true, 1.0f, nowMs()));
}

// Missing files neither silence their loaded siblings nor stand in for another sound
// (a run key once looped a swing or a jump when both files were missing).
TEST_F(HeroActionsTest, AMissingSoundLeavesItsVariantsToPlayAndStandsInForNoOther) {
  Chunk swing = silentChunk();
  player.look.soundRunning = player.look.soundJump1 = player.look.soundSwing1 = nullptr;
  player.look.soundSwing2 = player.look.soundSwing3 = player.look.soundSwing4 = player.look.soundSwiv =
      swing.get();
  for (int i = 0; i < 12; ++i) {  // the variants are random: a fault shows within a few
    player.jum = false;
    player.runRight();
    ASSERT_FALSE(Mix_Playing(kRunningChannel));
    player.jum = true;
    land();
    ASSERT_TRUE(playing(landing.get()));
    player.y = -10000.0f;  // no goblin in reach
    contacts.swing(nowMs());
    ASSERT_TRUE(playing(swing.get()));
    Mix_HaltChannel(-1);
  }
}
}  // namespace
