// A whole game replayed with a fake clock and a fixed seed: from the title
// through all five levels (the level checker's route to each exit), the
// statistics and the shop between them, to the victory screen and the name entry;
// on the way, the pictures held never pass each file decoded once and one level.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "LevelSearch.h"
#include "TestSupport.h"
#include "level/LevelBuild.h"
#include "platform/Image.h"
#include "platform/PictureFiles.h"
#include "player/Player.h"
#include "shell/Controls.h"
#include "shell/GameFlow.h"
#include "shell/Input.h"
#include "shell/MainLoop.h"

namespace {
const uint32_t kFrameMs = static_cast<uint32_t>(kRouteFrameMs);  // the routes were found at this step
const int kMaxPasses = 20000;

// Runs one pass the way the main loop does, with the keys handled first.
void pass() {
  handleEvents();
  gameClock.advance(kFrameMs);
  runScreenPass(measureFrame());
}

// Runs passes until `done`; false when it never happens.
template <typename Done>
bool passUntil(Done done) {
  for (int i = 0; i < kMaxPasses; ++i) {
    if (done()) return true;
    pass();
  }
  return done();
}

// What the search overwrites in the hero, to be put back.
auto heroCounters() {
  return std::tie(player.health, player.lives, player.score, player.nuts, player.animals, player.weaponLevel,
                  player.armourLevel, player.animStart);
}

// The checker's route from the hero as this level starts, found without
// disturbing the game: the hero, the clock and the extras are put back.
Route routeFromHere(int level) {
  HeroState start = HeroSim(nullptr, level).save();
  const auto kept = std::apply([](auto... v) { return std::make_tuple(v...); }, heroCounters());
  SearchResult found = searchLevel(level, true, &start);
  HeroSim(nullptr, level).load(start);
  heroCounters() = kept;
  for (int i = 0; i < kExtraCount; ++i) extras[i].place(i);
  return found.exitReachable ? found.exitRoute : Route();
}

// Plays a route; the frames count from now.
bool replay(const Route& route) {
  size_t next = 0;
  for (int f = 0; f < kMaxPasses; ++f) {
    for (; next < route.size() && route[next].frame == f; ++next)
      pushKey(keyFor(route[next].action), route[next].down);
    pass();
    if (GameState == LevelStats) return true;
  }
  return false;
}

int taken(int type) {
  int n = 0;
  for (const Extra& e : extras)
    n += type == Nut ? (e.type == Nut && e.y > 5000) : (e.type == Animal && e.rescued);
  return n;
}

size_t bytesOf(const Picture& p) { return p ? size_t(p->pitch) * p->h : 0; }

// Every picture file decoded once, and one level: two copies of the background.
struct PictureArithmetic {
  size_t everyFileOnce = 0, oneLevel = 2 * bytesOf(loadPicture(kBackgroundPicture));
  PictureArithmetic() {
    for (const auto& file : std::filesystem::directory_iterator("pics"))
      everyFileOnce += bytesOf(loadPicture(file.path().string()));
  }
};

// Under both rule sets; the wild one's score and statistics count deeds, so
// there the replay checks that each level is finished and what it cost.
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
  tapKey(SDLK_1);
  ASSERT_TRUE(passUntil([] { return GameState == Playing; }));
  int bonus = 0, nutsTaken = 0, nutsSpent = 0, animalsSaved = 0;
  const PictureArithmetic bytes;
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    ASSERT_EQ(levelIndex, level);
    EXPECT_TRUE(levelBuild.ready(level));
    EXPECT_EQ(privatePictureBytes(), bytes.oneLevel);
    EXPECT_LE(sharedPictureBytes(), bytes.everyFileOnce);
    Route route = routeFromHere(level);
    ASSERT_FALSE(route.empty()) << "no way to the exit";
    ASSERT_TRUE(replay(route)) << "the route did not reach the exit";
    EXPECT_GT(secondsLeft, 0);
    nutsTaken += taken(Nut);
    animalsSaved += taken(Animal);
    bonus += 3 * secondsLeft;
    pass();  // the statistics screen, which shows the hero's counters (checked at the end)
    if (!GetParam()) {
      EXPECT_EQ(player.getLives(), 3);  // nothing on the classic routes costs a life
    }

    // Into the shop: stop at the weapon rack, buy if the nuts allow, walk out.
    tapKey(SDLK_SPACE);
    ASSERT_TRUE(passUntil([] { return GameState == Shop; }));
    // The level played is gone; the next is painted while the shop shows.
    EXPECT_FALSE(levelBuild.ready(level));
    levelBuild.finish();
    EXPECT_EQ(privatePictureBytes(), level + 1 < kLevelCount ? bytes.oneLevel : 0);
    EXPECT_LE(sharedPictureBytes(), bytes.everyFileOnce);
    pushKey(SDLK_RIGHT, true);
    ASSERT_TRUE(passUntil([] { return player.getX() > 100; }));
    pushKey(SDLK_RIGHT, false);
    passUntil([] { return player.speedx == 0.0f; });
    int before = player.getNuts();
    tapKey(SDLK_SPACE);
    pass();
    nutsSpent += before - player.getNuts();
    EXPECT_EQ(player.getWeaponLevel() > 0, nutsSpent > 0);
    pushKey(SDLK_RIGHT, true);
    ASSERT_TRUE(passUntil([] { return GameState != Shop; }));
    pushKey(SDLK_RIGHT, false);
    pass();
  }
  ASSERT_EQ(GameState, Victory) << "after the last level the game is won";
  // Wild adds the deeds: a point a nut, ten an animal, five a goblin knocked out.
  const int deeds = GetParam() ? nutsTaken + 10 * animalsSaved : 0;
  const int goblinPoints = player.getScore() - bonus - deeds;
  EXPECT_TRUE(GetParam() ? goblinPoints >= 0 && goblinPoints % 5 == 0 : goblinPoints == 0) << goblinPoints;
  tapKey(SDLK_SPACE);
  ASSERT_TRUE(passUntil([] { return GameState == Submit; }));
  EXPECT_EQ(player.getNuts(), nutsTaken - nutsSpent);
  EXPECT_EQ(player.getAnimals(), animalsSaved);
  EXPECT_GT(animalsSaved, 0);
}

INSTANTIATE_TEST_SUITE_P(BothRules, WholeGameTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& rules) {
                           return rules.param ? "Wild" : "Classic";
                         });
