#include <atomic>
#include <chrono>
#include <thread>

#include "ShellTestFixture.h"
#include "extras/LevelExtras.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "play/Contacts.h"
#include "shell/Controls.h"
#include "shell/Progression.h"
#include "text/HudLabels.h"
#include "text/ScreenLabels.h"

using ProgressionTest = ShellTest;

TEST_F(ProgressionTest, WalkingOutOfTheShopPaysTheBonusAndStartsTheNextLevelAfresh) {
  player.setScore(10);
  player.setNuts(5);
  goblins[2].health = -5;
  extras[70].y += 5000;
  GameState = Playing;
  levels[0].restartTimer(nowMs() - 18000);  // 42 s left
  playEvents.exitTouched = true;
  actOnPlayEvents(nowMs());
  // Not before the hero walks out of the shop; the statistics show the level's own tally.
  EXPECT_EQ(std::tuple(player.getScore(), secondsLeft), std::tuple(10, 42));
  runPasses(3, 10);
  EXPECT_EQ(statsLabels[3].text, " Time bonus (seconds multiplied by 3): 126");
  EXPECT_EQ(statsLabels[4].text, " Score: 131");
  EXPECT_EQ(statsLabels[0].rect.x, 200);
  GameState = Shop;
  player.setX(650);
  runPasses(1, 10);
  // The bonus, the next level, a goblin back on its feet, a nut back in place.
  EXPECT_EQ(std::tuple(player.getScore(), GameState, levelIndex, goblins[2].health, extras[70].y),
            std::tuple(10 + 126, Playing, 1, 100, 600));
  EXPECT_EQ(levels[1].startTick, nowMs());
  // Under the wild rules key 6 does nothing: the shop is reached through the exit.
  wildRules = true;
  EXPECT_TRUE(press(SDLK_6));
  EXPECT_EQ(GameState, Playing);
  // The classic key 6 goes to the shop, and walking out pays the last exit's seconds again:
  // from far right the next level starts in the first shop pass.
  wildRules = false;
  player.setX(700);
  EXPECT_TRUE(press(SDLK_6));
  EXPECT_EQ(player.getScore(), 10 + 126);
  runPasses(1, 10);
  EXPECT_EQ(std::tuple(player.getScore(), GameState, levelIndex), std::tuple(10 + 2 * 126, Playing, 2));
  // A game ended in the shop keeps no bonus.
  EXPECT_TRUE(press(SDLK_6));
  EXPECT_TRUE(press(SDLK_7));
  EXPECT_EQ(std::tuple(player.getScore(), GameState), std::tuple(10 + 2 * 126, Submit));
}

// The wild rules pay at the exit itself.
TEST_F(ProgressionTest, TheWildExitPaysTheBonusAtOnce) {
  wildRules = true;
  GameState = Playing;
  levels[0].restartTimer(nowMs() - 18000);  // 42 s left
  playEvents.exitTouched = true;
  actOnPlayEvents(nowMs());
  EXPECT_EQ(player.getScore(), 126);
}

TEST_F(ProgressionTest, WalkingOutAfterTheLastLevelShowsTheVictoryThenTheNameEntry) {
  levelIndex = kLevelCount - 1;
  GameState = Shop;
  player.setScore(30);
  player.setNuts(22);
  player.setAnimals(25);
  player.setX(100);
  EXPECT_TRUE(press(SDLK_SPACE));  // a weapon for 10 of them
  player.setX(700);
  runPasses(2, 10);
  EXPECT_EQ(GameState, Victory);
  const char* victory[] = {"Final score: 30", "Nuts collected: 22", "Animals saved: 25"};  // nuts spent too
  for (int i = 0; i < 3; ++i) EXPECT_EQ(victoryLabels[i].text, victory[i]);
  playerName = "Q";
  EXPECT_TRUE(press(SDLK_SPACE));
  // The name entry starts afresh, its delay with it (the hero move tests).
  EXPECT_EQ(std::tuple(GameState, playerName), std::tuple(Submit, ""));
  // Key 6 from the last level cannot push past it either.
  GameState = Playing;
  EXPECT_TRUE(press(SDLK_6));
  runPasses(1, 10);
  EXPECT_EQ(levelIndex, kLevelCount - 1);
}

TEST_F(ProgressionTest, KeyOneWhileTheLevelsArePaintedSaysLoadingAndStartsOnceTheyAreDone) {
  static std::atomic<bool> painting{true};
  levelBuild.run([] {
    while (painting) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  });
  runPasses(1, 16);
  EXPECT_EQ(loadingLabel.text, "Loading...");
  EXPECT_TRUE(press(SDLK_1));
  runPasses(3, 16);
  EXPECT_EQ(GameState, Title);
  pushKey(SDLK_ESCAPE, true);
  EXPECT_FALSE(readInput());  // quitting never waits for the painter
  painting = false;
  levelBuild.finish();
  runPasses(1, 16);
  EXPECT_EQ(GameState, Playing);
}

TEST_F(ProgressionTest, ANewGameStartsFresh) {
  player.setScore(900);
  player.setNuts(40);
  player.setHealth(7);
  player.setWeaponLevel(5);
  player.setArmourLevel(3);
  player.setX(3000);
  std::tie(weaponCost, armourCost, secondsLeft, levelIndex, goblins[4].health, player.speedx, player.cro) =
      std::tuple(0, 40, 33, 3, -20, -3.0f, true);
  extras[66].y += 5000;
  GameState = Title;
  gameClock.advance(5000);
  EXPECT_TRUE(press(SDLK_1));
  EXPECT_EQ(levels[0].startTick, nowMs());
  // Score, nuts, health, weapon, armour, both prices, seconds left, level, a goblin's health,
  // then the hero's place and motion and a taken nut back in its place.
  EXPECT_EQ(
      std::tuple(player.getScore(), player.getNuts(), player.getHealth(), player.getWeaponLevel(),
                 player.getArmourLevel(), weaponCost, armourCost, secondsLeft, levelIndex, goblins[4].health),
      std::tuple(0, 0, 100, 0, 0, 10, 10, 0, 0, 100));
  EXPECT_EQ(std::tuple(player.getX(), player.speedx, player.cro, extras[66].y),
            std::tuple(100.0f, 0.0f, false, 750));
  // But a run key held through the start keeps the hero running that way.
  GameState = Title;
  pushKey(SDLK_LEFT, true);
  EXPECT_TRUE(press(SDLK_1));
  EXPECT_EQ(std::tuple(player.speedx, player.ori), std::tuple(-3.0f, uint8_t{1}));
}

// Choosing the rules on the title, and the wild rules' clock, restart places and statistics.
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
    readInput();
    EXPECT_EQ(wildRules, wildAfter) << screen;
    GameState = Title;
    runPasses(1, 10);
    EXPECT_EQ(rulesLabel.text, wildAfter ? "Wild rules" : "Classic rules");
  }
}

TEST_F(WildRulesTest, EveryLostLifeFillsTheWildClockTheClassicOneRunsOn) {
  Extra& extra = extras[1];  // made a thorn or a trap where the hero touches it; placed afresh after
  for (bool wild : {false, true}) {
    for (int cause : {0, int(Hazard), int(DeadlyHazard), 1}) {  // the clock, a thorn, a trap, a bite
      resetGame(), wildRules = wild, startNewGame();
      const uint32_t clock = levels[0].clockMs;  // the wild level's own
      levels[0].restartTimer(nowMs() - (cause == 0 ? clock : 30000));
      extra.type = cause, extra.x = int(player.getX()) + 270,
      extra.y = int(player.getY()) + (cause > 1 ? 190 : -900);
      player.setHealth(cause == Hazard ? 1 : 5);  // a thorn halves 1 to 0
      if (cause == 1) player.bite(true, nowMs());
      runPasses(2, 10);
      const uint32_t left = levels[0].timeLeftMs(nowMs());
      EXPECT_EQ(std::pair(player.getLives(), wild ? left >= clock - 20 : left <= clock - 30000),
                std::pair(cause == 0 && !wild ? 3 : 2, true))
          << wild << " " << cause << " " << left;
    }
  }
}

TEST_F(WildRulesTest, GoblinsWaitAtTheirPostsUntilTheHeroComesLevelWithThem) {
  wildRules = true;
  startNewGame();
  const std::vector<ExtraSpot>& posts = *levelExtras.postsOf(0);
  EXPECT_EQ(goblins[posts.size()].health, 0);  // no post, no goblin
  Goblin& goblin = goblins[0];                 // level 0's first post is far from the start
  runPasses(30, 16);
  EXPECT_EQ(goblin.x, posts[0].x);
  // In view, 200 px above it: it waits. Level with it, 150 px to its right: it turns to him.
  const float viewX = posts[0].x - kHeroScreenX + 150.0f, viewY = posts[0].y + 7 - kHeroScreenY;
  placeHero(viewX, viewY - 200.0f);
  runPasses(1, 16);
  EXPECT_TRUE(goblin.waiting);
  player.setY(viewY);
  runPasses(10, 16);
  EXPECT_FALSE(goblin.waiting);
  EXPECT_TRUE(goblin.movingRight);
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
  contacts.pickUp(*nut, nut->x - 295.0f, nut->y - 215.0f, nowMs());
  placeHero(cage->x - 295.0f, cage->y - 215.0f);
  runPasses(1, 10);
  const int nutsKept = player.getNuts();  // with any lying beside the cage
  player.setX(2000.0f);
  player.setHealth(0);
  runPasses(1, 10);
  EXPECT_EQ(std::tuple(player.getLives(), player.getX(), player.getNuts(), nut->y),
            std::tuple(2, cage->x - 295.0f, nutsKept, nutY + 5000));
  EXPECT_NEAR(player.getY(), cage->y - 215.0f, 10.0f);
  EXPECT_GE(nutsKept, 1);
  // The next level starts from its own start again.
  GameState = Shop;
  player.setX(700);
  runPasses(1, 10);
  EXPECT_EQ(player.respawnX, kStartX);
}

TEST_F(WildRulesTest, TheStatisticsCountWhatWasDoneUnderWildRules) {
  wildRules = true;
  player.belongings.tally = {4, 2, 3};
  player.setScore(80);  // the time bonus paid at the exit
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

TEST_F(WildRulesTest, HealthShowsAfterTheLivesAndEachWildLevelStartsWithAtLeastSixty) {
  // The rules, the health the last level left, and the health the next one starts with.
  for (auto [wild, left, starts] : {std::tuple{true, 10, 60}, {true, 85, 85}, {false, 10, 10}}) {
    resetGame();
    wildRules = wild;
    startNewGame();
    player.setHealth(left);
    startLevel();
    EXPECT_EQ(player.getHealth(), starts) << wild << " " << left;
    buildStatusLine(nowMs());
    const std::string lives = wild ? "Lifes: 3  Health: " + std::to_string(starts) : "Lifes: 3";
    EXPECT_EQ(statusLabel.text.rfind(lives + "  Score: ", 0), 0u) << statusLabel.text;
  }
}
