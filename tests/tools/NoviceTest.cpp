// The novice plays with a new player's hands: on the game's clock every key of
// his plans comes 120 to 260 ms late, spread over that range, and every hold
// lasts its planned time give or take 60 ms. With those hands he still finishes
// Wild level 0 on his first seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "NovicePlay.h"
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
