// The hero's key actions and small operations, and the sounds they start and stop.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "player/Player.h"

namespace {
const int kRunningChannel = 1;
Mix_Chunk* Player::*const kSounds[] = {&Player::soundRunning, &Player::soundJump1,  &Player::soundJump2,
                                       &Player::soundSwiv,    &Player::soundSwing1, &Player::soundSwing2,
                                       &Player::soundSwing3,  &Player::soundSwing4};

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
    for (Mix_Chunk* Player::*sound : kSounds) saved.push_back(player.*sound);
    player.soundRunning = running.get();
    player.soundJump1 = player.soundJump2 = landing.get();  // either jump sound counts
    Mix_HaltChannel(-1);
  }
  void TearDown() override {
    Mix_HaltChannel(-1);
    for (size_t i = 0; i < saved.size(); ++i) player.*kSounds[i] = saved[i];
  }
  // On a floor of one solid row under the foot probe of the hero at (0, 0).
  void land() {
    Picture floor = rgbaPicture(400, 300, 0xFFFFFFFF);
    paintRect(floor.get(), 0, 258, 400, 259, 0xFF000000);
    player.x = player.y = 0.0f;
    player.resolveCollisions(floor.get());
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
  player.soundRunning = player.soundJump1 = player.soundSwing1 = nullptr;
  player.soundSwing2 = player.soundSwing3 = player.soundSwing4 = player.soundSwiv = swing.get();
  for (int i = 0; i < 12; ++i) {  // the variants are random: a fault shows within a few
    player.jum = false;
    player.runRight();
    ASSERT_FALSE(Mix_Playing(kRunningChannel));
    player.jum = true;
    land();
    ASSERT_TRUE(playing(landing.get()));
    player.y = -10000.0f;  // no goblin in reach
    player.attack(nowMs());
    ASSERT_TRUE(playing(swing.get()));
    Mix_HaltChannel(-1);
  }
}
}  // namespace
