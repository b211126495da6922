#include <cstdlib>
#include <filesystem>

#include "GoblinTestFixture.h"

namespace {
// A seed whose first two rolls make a goblin of this breed and kind.
unsigned seedFor(bool rare, int kind) {
  for (unsigned seed = 1;; ++seed) {
    std::srand(seed);
    int breedRoll = std::rand() % 6;
    int kindRoll = std::rand() % 3;
    if ((breedRoll == 5) == rare && kindRoll == kind) return seed;
  }
}

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
    ASSERT_EQ(goblin.isKind0 + goblin.isKind1 + goblin.isKind2, 1);
    ASSERT_TRUE((goblin.kind == 0 && goblin.isKind0) || (goblin.kind == 1 && goblin.isKind1) ||
                (goblin.kind == 2 && goblin.isKind2));
    rare += goblin.rareBreed;
    kinds[goblin.kind]++;
  }
  EXPECT_NEAR(rare, spawns / 6, 150);
  for (int count : kinds) EXPECT_NEAR(count, spawns / 3, 200);
}

TEST_F(GoblinSpawnTest, PlacesCommonKindTwoAndLeavesTheRestAlone) {
  setPlayerX(100.0f);
  goblin.movingRight = true;
  goblin.speedy = -1.5f;
  goblin.attacking = true;
  goblin.animStart = 1234;
  goblin.airTick = 99;
  goblin.jumpChance = 33;
  std::srand(seedFor(false, 2));
  goblin.spawn(3);
  EXPECT_EQ(goblin.x, 400.0f);
  EXPECT_EQ(goblin.y, 430.0f);
  EXPECT_EQ(goblin.walkSpeed, 1.0f);
  EXPECT_EQ(goblin.health, 100);
  EXPECT_TRUE(goblin.commonBreed && goblin.isKind2 && goblin.airborne && goblin.onGround);
  EXPECT_TRUE(goblin.movingRight);
  EXPECT_FALSE(goblin.attacking);  // the pose of an earlier level does not carry over
  EXPECT_EQ(goblin.speedy, -1.5f);
  EXPECT_EQ(goblin.animStart, 1234u);
  EXPECT_EQ(goblin.airTick, 99u);
  EXPECT_EQ(goblin.jumpChance, 33);
}

TEST_F(GoblinSpawnTest, EachBreedAndKindHasItsSpeedAndPlace) {
  struct Row {
    bool rare;
    int kind;
    float walkSpeed, x;
  };
  const Row rows[] = {{false, 0, 1.25f, 200.0f}, {false, 1, 1.35f, 300.0f}, {false, 2, 1.0f, 400.0f},
                      {true, 0, 0.6f, 500.0f},   {true, 1, 0.85f, 400.0f},  {true, 2, 0.35f, 200.0f}};
  setPlayerX(100.0f);
  for (const Row& row : rows) {
    std::srand(seedFor(row.rare, row.kind));
    goblin.spawn(0);
    EXPECT_EQ(goblin.walkSpeed, row.walkSpeed) << "rare " << row.rare << " kind " << row.kind;
    EXPECT_EQ(goblin.x, row.x) << "rare " << row.rare << " kind " << row.kind;
  }
}

TEST_F(GoblinSpawnTest, KeepsTheLandingSoundItHolds) {
  goblin.spawn(0);
  if (std::filesystem::exists("sound/jump1.wav")) {
    EXPECT_NE(goblin.soundLanding, nullptr);
  }
  Mix_Chunk standIn = {};
  if (!goblin.soundLanding) goblin.soundLanding = &standIn;  // no sound file: any handle will do
  Mix_Chunk* first = goblin.soundLanding;
  goblin.spawn(1);
  EXPECT_EQ(goblin.soundLanding, first);
  if (first == &standIn) goblin.soundLanding = nullptr;
}
