// Choosing the rules on the title, and the wild rules' clock, restart places and statistics.
#include <tuple>

#include "ShellTestFixture.h"
#include "level/Level.h"
#include "shell/Controls.h"
#include "shell/Progression.h"
#include "text/HudLabels.h"
#include "text/ScreenLabels.h"

using WildRulesTest = ShellTest;

TEST_F(WildRulesTest, KeyEightAndTheLeftShoulderSwitchTheBadgeOnTheTitleOnly) {
  // The screen, whether the pad's button is pressed instead of the key, and the rules after.
  const std::tuple<int32_t, bool, bool> cases[] = {{Title, false, true},
                                                   {Title, true, false},
                                                   {Playing, false, false},
                                                   {Shop, true, false},
                                                   {Scores, false, false}};
  for (auto [screen, pad, wildAfter] : cases) {
    GameState = screen;
    if (pad)
      pushEvent(SDL_JOYBUTTONDOWN, [](SDL_Event& e) { e.jbutton.button = kPadRules; });
    else
      pushKey(SDLK_8, true);
    handleEvents();
    EXPECT_EQ(wildRules, wildAfter) << screen;
    GameState = Title;
    runPasses(1, 10);
    EXPECT_EQ(rulesLabel.text, wildAfter ? "Wild rules" : "Classic rules");
  }
}

TEST_F(WildRulesTest, TheClockAtZeroCostsALifeAndStartsAgainOnlyUnderWildRules) {
  for (bool wild : {false, true}) {
    resetGame();
    wildRules = wild;
    startNewGame();
    player.setX(900.0f);
    runPasses(1, kLevelTimeMs + 1000);  // the classic clock stops at zero
    EXPECT_EQ(player.getLives(), wild ? 2 : 3);
    EXPECT_EQ(player.getX(), wild ? kStartX : 900.0f);
    EXPECT_EQ(levels[0].timeLeftMs(nowMs()), wild ? kLevelTimeMs : 0u);
  }
  player.setLives(1);
  runPasses(1, kLevelTimeMs);
  EXPECT_EQ(GameState, Submit);
}

TEST_F(WildRulesTest, ALifeLostAfterAFreedCageStartsAgainAtTheCageWithTheNutsKept) {
  wildRules = true;
  startNewGame();
  Extra *nut = nullptr, *cage = nullptr;  // the first of each in level 0's own extras
  for (Extra& e : extras) {
    if (!nut && e.type == Nut) nut = &e;
    if (!cage && e.type == Animal) cage = &e;
  }
  ASSERT_TRUE(nut && cage);
  const int nutY = nut->y;
  nut->testPickup(nut->x - 295.0f, nut->y - 215.0f, nowMs());
  player.setX(cage->x - 295.0f);
  player.setY(cage->y - 215.0f);
  runPasses(1, 10);
  const int nutsKept = player.getNuts();  // with any lying beside the cage
  player.setX(2000.0f);
  player.setHealth(0);
  runPasses(1, 10);
  EXPECT_EQ(player.getLives(), 2);
  EXPECT_EQ(player.getX(), cage->x - 295.0f);
  EXPECT_NEAR(player.getY(), cage->y - 215.0f, 10.0f);
  EXPECT_GE(nutsKept, 1);
  EXPECT_EQ(player.getNuts(), nutsKept);
  EXPECT_EQ(nut->y, nutY + 5000);
  // The next level starts from its own start again.
  GameState = Shop;
  player.setX(700);
  runPasses(1, 10);
  EXPECT_EQ(player.respawnX, kStartX);
}

TEST_F(WildRulesTest, TheStatisticsCountWhatWasDoneUnderWildRules) {
  wildRules = true;
  player.tally = {4, 2, 3};
  player.setScore(50);
  secondsLeft = 10;
  buildLevelStats();
  const char* lines[] = {" You have finished level 0",
                         " Nuts collected: 4 x 1 = 4",
                         " Animals saved: 2 x 10 = 20",
                         " Goblins knocked out: 3 x 5 = 15",
                         " Time bonus (seconds multiplied by 3): 30",
                         " Score: 80"};
  for (int i = 0; i < kStatsLineCount; ++i) EXPECT_EQ(statsTexts[i], lines[i]);
}
