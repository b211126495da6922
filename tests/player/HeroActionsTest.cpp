// The hero's key actions and small operations, and the sounds they start and stop.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "platform/Clock.h"
#include "player/Player.h"

namespace {
const int kRunningChannel = 1;

// A second of silence that stays audible to Mix_Playing for the whole test.
class SilentChunk {
 public:
  SilentChunk() : samples(22050 * 4), chunk(Mix_QuickLoad_RAW(samples.data(), samples.size())) {}
  ~SilentChunk() { Mix_FreeChunk(chunk); }
  std::vector<Uint8> samples;
  Mix_Chunk* chunk;
};

bool playing(Mix_Chunk* chunk) {
  for (int ch = 0; ch < Mix_AllocateChannels(-1); ++ch)
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == chunk) return true;
  return false;
}

class HeroActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    player.reset();
    saved = {player.soundRunning, player.soundJump1, player.soundJump2};
    player.soundRunning = running.chunk;
    player.soundJump1 = player.soundJump2 = landing.chunk;  // either jump sound counts
    Mix_HaltChannel(-1);
  }
  void TearDown() override {
    Mix_HaltChannel(-1);
    player.soundRunning = saved[0];
    player.soundJump1 = saved[1];
    player.soundJump2 = saved[2];
    player.reset();
  }
  // On a floor of one solid row under the foot probe of the hero at (0, 0).
  void land() {
    SDL_Surface* floor = makeRgbaSurface(400, 300, 0xFFFFFFFF);
    for (int x = 0; x < 400; ++x) putPixel32(floor, x, 258, 0xFF000000);
    player.x = player.y = 0.0f;
    player.resolveCollisions(floor);
    SDL_FreeSurface(floor);
  }
  SilentChunk running, landing;
  std::vector<Mix_Chunk*> saved;
};

TEST_F(HeroActionsTest, LandingStopsTheFallAndPlaysTheJumpSound) {
  player.speedy = 2.0f;
  land();
  EXPECT_FALSE(player.jum);
  EXPECT_EQ(player.speedy, 0.0f);
  EXPECT_TRUE(playing(landing.chunk));
  EXPECT_FALSE(playing(running.chunk));
  Mix_HaltChannel(-1);
  land();  // standing is no landing
  EXPECT_FALSE(playing(landing.chunk));
  player.jum = true;
  player.speedx = -1.0f;  // sliding into the landing restarts the running loop
  player.speedy = -2.0f;  // and an upward speed is kept
  land();
  EXPECT_TRUE(Mix_Playing(kRunningChannel) && Mix_GetChunk(kRunningChannel) == running.chunk);
  EXPECT_EQ(player.speedy, -2.0f);
}

TEST_F(HeroActionsTest, ReleasingTheKeyThatNoLongerDrivesKeepsRunning) {
  player.jum = false;
  player.runRight();
  player.runLeft();
  player.releaseRight();
  EXPECT_EQ(player.speedx, -3.0f);
  EXPECT_FALSE(player.sli);
  EXPECT_TRUE(playing(running.chunk));
  player.releaseLeft();
  EXPECT_TRUE(player.sli);
  EXPECT_EQ(player.slideStart, nowMs());
  EXPECT_FALSE(playing(running.chunk));
}

TEST_F(HeroActionsTest, AirborneRunKeySoundsNothingAndJumpDoesNothing) {
  player.runRight();
  EXPECT_FALSE(playing(running.chunk));
  EXPECT_EQ(player.speedx, 3.0f);
  player.jumpStart = 5;
  player.jump();
  player.dropDown();
  EXPECT_EQ(player.jumpStart, 5u);
  EXPECT_EQ(player.speedy, 0.0f);
  player.jum = false;
  player.dropDown();
  EXPECT_TRUE(player.jum);
  EXPECT_EQ(player.speedy, 1.0f);
  EXPECT_EQ(player.jumpStart, nowMs());
}

TEST_F(HeroActionsTest, ResetRestoresTheStartValuesButKeepsPicturesAndSounds) {
  SDL_Surface* sheet = player.spriteSheet;
  player.x = player.y = player.speedx = player.speedy = 7.0f;
  player.att = player.cro = player.sli = true;
  player.jum = false;
  player.ori = 1;
  player.health = player.lives = player.score = player.animals = player.nuts = 7;
  player.weaponLevel = player.armourLevel = 4;
  gameClock.advance(10);
  player.reset();
  EXPECT_EQ(player.spriteSheet, sheet);
  EXPECT_EQ(player.soundRunning, running.chunk);
  EXPECT_TRUE(player.jum);
  EXPECT_FALSE(player.att || player.cro || player.sli || player.ori);
  EXPECT_EQ(player.animStart, nowMs());
  EXPECT_EQ(player.getX(), 100.0f);
  EXPECT_EQ(player.getY(), 100.0f);
  EXPECT_EQ(player.speedx + player.speedy, 0.0f);
  EXPECT_EQ(player.getHealth(), 100);
  EXPECT_EQ(player.getLives(), 3);
  EXPECT_EQ(player.getScore() + player.getAnimals() + player.getNuts(), 0);
  EXPECT_EQ(player.getWeaponLevel() + player.getArmourLevel(), 0);
}
}  // namespace
