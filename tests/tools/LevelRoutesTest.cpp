// The level checker's route to each exit, replayed as key presses against the
// real game with a fake clock: the hero must walk from the level start to the
// exit unhurt, and the game must reach the statistics screen.
#include <gtest/gtest.h>

#include "LevelSearch.h"
#include "TestSupport.h"
#include "extras/Extra.h"
#include "level/Level.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/GameState.h"
#include "shell/Input.h"
#include "shell/MainLoop.h"
#include "shell/Progression.h"

namespace {
const int kSettleFrames = 300;  // frames allowed past the route's last key

// Starts level `n` as a new game starts level 0: fresh hero, goblins and extras.
void startAt(int n) {
  player.reset();
  levelIndex = n;
  respawnLevelObjects();
  levels[n].restartTimer();
  GameState = Playing;
  lastFrameTick = nowMs();
}

// Plays the route; returns the frame at which the statistics screen showed, or -1.
int replay(const Route& route) {
  size_t next = 0;
  int last = route.empty() ? 0 : route.back().frame;
  for (int f = 0; f <= last + kSettleFrames; ++f) {
    for (; next < route.size() && route[next].frame == f; ++next) pushKey(route[next].key, route[next].down);
    handleEvents();
    gameClock.advance(static_cast<uint32_t>(kRouteFrameMs));
    runScreenPass(measureFrame());
    if (GameState == LevelStats) return f;
  }
  return -1;
}

class LevelRoutesTest : public testing::TestWithParam<int> {
 protected:
  void TearDown() override {
    player.reset();
    for (int i = 0; i < kExtraCount; ++i) extras[i].place(i);
    levelIndex = 0;
    GameState = Title;
  }
};
}  // namespace

TEST_P(LevelRoutesTest, TheHeroWalksFromTheStartToTheExit) {
  const int level = GetParam();
  SearchResult found = searchLevel(level, true);
  ASSERT_TRUE(found.exitReachable) << "the checker finds no way to the exit of level " << level;
  startAt(level);
  int frame = replay(found.exitRoute);
  EXPECT_GE(frame, 0) << "the replayed route did not reach the exit";
  EXPECT_EQ(player.getLives(), 3);
  EXPECT_FLOAT_EQ(player.getX(), 50.0f);
  EXPECT_FLOAT_EQ(player.getY(), -100.0f);
  EXPECT_GT(secondsLeft, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, LevelRoutesTest, testing::Range(0, kLevelCount));
