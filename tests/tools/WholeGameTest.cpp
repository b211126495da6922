// A whole game replayed with a fake clock and a fixed seed: from the title
// through all five levels (the expert's way to each exit), the
// statistics and the shop between them, to the victory screen and the name entry;
// on the way, the pictures held never pass each file decoded once and one level.
// The keys come as the commands they stand for, straight to the passes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ExpertPlay.h"
#include "TestSupport.h"
#include "extras/Extra.h"
#include "level/LevelBuild.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "player/Player.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"

namespace {
int taken(int type) {
  int n = 0;
  for (const Extra& e : extras)
    n += type == Nut ? (e.type == Nut && e.y > 5000) : (e.type == Animal && e.rescued);
  return n;
}

size_t bytesOf(const Picture& p) { return p ? size_t(p->pitch) * p->h : 0; }

// Every picture file decoded once, and one level: its copy of the background.
struct PictureArithmetic {
  size_t everyFileOnce = 0, oneLevel = bytesOf(loadPicture(kBackgroundPicture));
  PictureArithmetic() {
    for (const auto& file : std::filesystem::directory_iterator("pics"))
      everyFileOnce += bytesOf(loadPicture(file.path().string()));
  }
};

// Under both rule sets; under the wild ones the expert may be hurt, lose a life
// and trade weapons for health on the way, and still finishes every level.
class WholeGameTest : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    GameState = Title;  // the name entry at the end starts afresh by itself
    wildRules = GetParam();
    std::srand(1234);
  }
  SavedGameState saved;
};
}  // namespace

TEST_P(WholeGameTest, FromTheTitleThroughFiveLevelsToTheNameEntry) {
  pass();
  tapAction(Action::Start);
  ASSERT_TRUE(passUntil([] { return GameState == Playing; }));
  int bonus = 0, nutsTaken = 0, nutsSpent = 0, animalsSaved = 0;
  const PictureArithmetic bytes;
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    ASSERT_EQ(levelIndex, level);
    EXPECT_TRUE(levelBuild.ready(level));
    EXPECT_EQ(privatePictureBytes(), bytes.oneLevel);
    EXPECT_LE(sharedPictureBytes(), bytes.everyFileOnce);
    int healthLost = 0;
    ASSERT_TRUE(playToExit(level, healthLost)) << "the expert did not reach the exit";
    EXPECT_GT(secondsLeft, 0);
    nutsTaken += taken(Nut);
    animalsSaved += taken(Animal);
    bonus += 3 * secondsLeft;
    pass();  // the statistics screen, which shows the hero's counters (checked at the end)
    EXPECT_TRUE(GetParam() || healthLost == 0) << "nothing on the classic ways hurts";

    // Into the shop: stop at the weapon rack, buy if the nuts allow, walk out.
    tapAction(Action::Jump);
    ASSERT_TRUE(passUntil([] { return GameState == Shop; }));
    // The level played is gone; the next is painted while the shop shows.
    EXPECT_FALSE(levelBuild.ready(level));
    levelBuild.finish();
    EXPECT_EQ(privatePictureBytes(), level + 1 < kLevelCount ? bytes.oneLevel : 0);
    EXPECT_LE(sharedPictureBytes(), bytes.everyFileOnce);
    pressAction(Action::RunRight);
    ASSERT_TRUE(passUntil([] { return player.getX() > 100; }));
    releaseAction(Action::RunRight);
    passUntil([] { return player.speedx == 0.0f; });
    const int before = player.getNuts(), weapon = player.getWeaponLevel();
    tapAction(Action::Jump);
    pass();
    nutsSpent += before - player.getNuts();
    EXPECT_EQ(player.getWeaponLevel() - weapon, before > player.getNuts() ? 1 : 0);
    pressAction(Action::RunRight);
    ASSERT_TRUE(passUntil([] { return GameState != Shop; }));
    releaseAction(Action::RunRight);
    pass();
  }
  ASSERT_EQ(GameState, Victory) << "after the last level the game is won";
  // Wild adds the deeds: a point a nut, ten an animal, five a goblin knocked out.
  const int deeds = GetParam() ? nutsTaken + 10 * animalsSaved : 0;
  const int goblinPoints = player.getScore() - bonus - deeds;
  EXPECT_TRUE(GetParam() ? goblinPoints >= 0 && goblinPoints % 5 == 0 : goblinPoints == 0) << goblinPoints;
  tapAction(Action::Jump);
  ASSERT_TRUE(passUntil([] { return GameState == Submit; }));
  EXPECT_EQ(player.getNuts(), nutsTaken - nutsSpent);
  EXPECT_EQ(player.getAnimals(), animalsSaved);
  EXPECT_GT(animalsSaved, 0);
}

INSTANTIATE_TEST_SUITE_P(BothRules, WholeGameTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& rules) {
                           return rules.param ? "Wild" : "Classic";
                         });
