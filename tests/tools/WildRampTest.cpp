// Under the wild rules the levels ask more and more of the player. The expert
// plays each level from its start in the same shape, with the same seed: a new
// game's hero, full health and no weapon. What each level costs him must rise.
#include <gtest/gtest.h>

#include <cstdio>

#include "ExpertPlay.h"
#include "TestSupport.h"
#include "level/Level.h"
#include "player/Player.h"
#include "state/GameState.h"

TEST(WildRampTest, HealthLostOnTheExpertsWayRisesFromLevelZeroToFour) {
  SavedGameState saved;
  wildRules = true;
  int before = -1;
  for (int n = 0; n < kLevelCount; ++n) {
    int lost = 0;
    ASSERT_TRUE(expertPlaysLevel(n, lost)) << "level " << n;
    std::printf("level %d cost the expert %d health\n", n, lost);
    // The goblins of the last level may cost even him a life.
    EXPECT_GE(player.getLives(), n < kLevelCount - 1 ? 3 : 2) << "level " << n;
    EXPECT_GT(lost, before) << "level " << n;
    before = lost;
  }
}
