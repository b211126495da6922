// Under the wild rules the goblins fight fair: an expert who answers each goblin in
// reach with a swing crosses every level from its start, a new game's hero with the
// same seed, without losing health to a bite or a life.
#include <gtest/gtest.h>

#include <cstdio>

#include "ExpertPlay.h"
#include "TestSupport.h"
#include "level/Level.h"
#include "player/Player.h"
#include "state/GameState.h"

TEST(WildExpertTest, TheExpertCrossesEveryLevelUnbittenWithAllHisLives) {
  SavedGameState saved;
  wildRules = true;
  for (int n = 0; n < kLevelCount; ++n) {
    int lost = 0;
    ASSERT_TRUE(expertPlaysLevel(n, lost)) << "level " << n;
    std::printf("level %d cost the expert %d health\n", n, lost);
    EXPECT_EQ(std::pair(lost, player.getLives()), std::pair(0, 3)) << "level " << n;
  }
}
