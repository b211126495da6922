// The novice plays with a new player's hands: on the game's clock every key of
// his plans comes 120 to 260 ms late, spread over that range, and every hold
// lasts its planned time give or take 60 ms. With those hands he still finishes
// Wild level 0 on his first seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "NovicePlay.h"
#include "NoviceSwing.h"
#include "TestSupport.h"
#include "state/GameState.h"

TEST(NoviceTest, KeysComeLateAndHoldsAreOffByLittleAndLevelZeroIsFinished) {
  SavedGameState saved;
  wildRules = true;
  for (unsigned seed : {1u, 2u}) {
    std::vector<HandKey> played;
    const NoviceRun run = novicePlaysLevel(0, seed, &played);
    EXPECT_TRUE(run.finished) << "seed " << seed;
    ASSERT_GT(played.size(), 20u) << "seed " << seed;
    int earliest = kNoviceLateMaxMs, latest = kNoviceLateMinMs, holds = 0;
    for (size_t i = 0; i < played.size(); ++i) {
      const HandKey& k = played[i];
      const int late = int(k.atMs - k.plannedMs);
      EXPECT_GE(late, kNoviceLateMinMs) << "key " << i;
      EXPECT_LE(late, kNoviceLateMaxMs) << "key " << i;
      earliest = std::min(earliest, late);
      latest = std::max(latest, late);
      if (!k.down) continue;
      auto up = std::find_if(played.begin() + long(i) + 1, played.end(), [&](const HandKey& u) {
        return u.action == k.action && !u.down && u.plan == k.plan;
      });
      if (up == played.end()) continue;  // let go at once when a new plan came
      ++holds;
      const int off = int(up->atMs - k.atMs) - int(up->plannedMs - k.plannedMs);
      EXPECT_LE(std::abs(off), kNoviceHoldSlackMs) << "key " << i;
    }
    EXPECT_GT(holds, 10) << "seed " << seed;
    EXPECT_LT(earliest, kNoviceLateMinMs + 30) << "seed " << seed;
    EXPECT_GT(latest, kNoviceLateMaxMs - 30) << "seed " << seed;
  }
}

// A new player sees a goblin come into his reach 200 ms before he swings at it:
// a quicker novice loses less health and the level checker's figures change.
// Passes every 16 ms, a goblin in reach from 1000 to 1600 ms and again from 2000.
TEST(NoviceTest, SwingsOnlyAtAGoblinThatStoodInReach200Ms) {
  const uint32_t kReactionMs = 200, kPassMs = 16;
  const auto firstPassFrom = [&](uint32_t ms) { return (ms + kPassMs - 1) / kPassMs * kPassMs; };
  NoviceSwing swing;
  std::vector<uint32_t> presses;
  bool wasDown = false;
  for (uint32_t now = 0; now < 2600; now += kPassMs) {
    const bool down = swing.down((now >= 1000 && now < 1600) || now >= 2000, now);
    if (down && !wasDown) presses.push_back(now);
    wasDown = down;
  }
  const auto pressFrom = [&](uint32_t ms) { return *std::lower_bound(presses.begin(), presses.end(), ms); };
  ASSERT_FALSE(presses.empty());
  EXPECT_EQ(presses.front(), firstPassFrom(firstPassFrom(1000) + kReactionMs));
  EXPECT_EQ(pressFrom(1600), firstPassFrom(2000 + kReactionMs));  // he waits again for one come back
  EXPECT_EQ(pressFrom(2300), pressFrom(2250) + 2 * kPassMs);      // and swings every other pass
}
