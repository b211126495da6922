
#include "GoblinTestFixture.h"

namespace {
using GoblinSpawnTest = GoblinTest;
}  // namespace

TEST_F(GoblinSpawnTest, OneInSixIsRareAndKindsComeEquallyWithOneFlagEach) {
  const int spawns = 6000;
  int rare = 0;
  int kinds[3] = {};
  std::srand(7);
  for (int i = 0; i < spawns; ++i) {
    goblin.spawn(0);
    ASSERT_NE(goblin.rareBreed, goblin.commonBreed);
    // Exactly the flag of its kind.
    ASSERT_EQ(goblin.isKind0 | goblin.isKind1 << 1 | goblin.isKind2 << 2, 1 << goblin.kind);
    rare += goblin.rareBreed;
    kinds[goblin.kind]++;
  }
  EXPECT_NEAR(rare, spawns / 6, 150);
  for (int count : kinds) EXPECT_NEAR(count, spawns / 3, 200);
}

TEST_F(GoblinSpawnTest, PlacesTheGoblinAheadOfTheHeroReadyToFightWithItsSound) {
  setPlayerX(100.0f);
  goblin.spawn(3);
  EXPECT_GT(goblin.x, 100.0f);
  EXPECT_EQ(std::tuple(goblin.y, goblin.health, goblin.airborne, goblin.onGround),
            std::tuple(430.0f, 100, true, true));
  Mix_Chunk* sound = goblin.soundLanding;
  ASSERT_NE(sound, nullptr);
  goblin.spawn(1);
  EXPECT_EQ(goblin.soundLanding, sound);  // kept, not loaded again
}
