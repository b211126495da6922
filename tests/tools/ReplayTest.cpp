// The stored whole games, one under each rule set, replayed on the fake clock with
// their seed: each pass's state must hash as it did when the game was recorded,
// and the figures after every level and at the end must be the same. A change
// to how the game plays shows as the first pass that differs.
#include <gtest/gtest.h>

#include "Replay.h"
#include "TestSupport.h"
#include "shell/GameFlow.h"

namespace {
class ReplayTest : public testing::TestWithParam<const char*> {
 protected:
  SavedGameState saved;
  SavedScoreTable table;  // an empty table: the name entry stays open for any score
};
}  // namespace

TEST_P(ReplayTest, PlaysTheStoredGamePassForPassToTheSameFigures) {
  Replay stored;
  ASSERT_TRUE(readReplay(std::string(STORED_REPLAYS "/") + GetParam() + ".txt", stored));
  const ReplayRun run = playReplay(stored, stored.passHashes.size());
  const size_t i = run.firstDifference;
  ASSERT_EQ(i, stored.passHashes.size()) << "the first pass that differs: " << i << ", " << i * kReplayStepMs
                                         << " ms into the game, on screen " << run.screen << " of level "
                                         << run.level;
  EXPECT_EQ(run.figures, stored.figures);
}

INSTANTIATE_TEST_SUITE_P(BothRules, ReplayTest, testing::Values("classic", "wild"),
                         [](const testing::TestParamInfo<const char*>& name) { return std::string(name.param); });
