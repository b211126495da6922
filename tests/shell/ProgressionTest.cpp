#include <atomic>
#include <chrono>
#include <thread>
#include <tuple>

#include "ShellTestFixture.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "shell/Progression.h"
#include "text/ScreenLabels.h"

using ProgressionTest = ShellTest;

TEST_F(ProgressionTest, WalkingOutOfTheShopOrKeySixStartsTheNextLevelAfreshAndWalkingPaysTheBonus) {
  secondsLeft = 42;
  player.setScore(10);
  goblins[2].health = -5;
  extras[70].y += 5000;
  GameState = LevelStats;
  runPasses(3, 10);
  GameState = Shop;
  player.setX(50);
  runPasses(3, 10);
  EXPECT_EQ(player.getScore(), 10);  // not before
  player.setX(650);
  runPasses(1, 10);
  EXPECT_EQ(player.getScore(), 10 + 126);
  EXPECT_EQ(GameState, Playing);
  EXPECT_EQ(levelIndex, 1);
  EXPECT_EQ(goblins[2].health, 100);
  EXPECT_EQ(extras[70].y, 600);
  EXPECT_EQ(levels[1].startTick, nowMs());
  // Key 6 from far right starts the next level in the first shop pass.
  player.setX(700);
  EXPECT_TRUE(press(SDLK_6));
  runPasses(1, 10);
  EXPECT_EQ(GameState, Playing);
  EXPECT_EQ(levelIndex, 2);
}

TEST_F(ProgressionTest, WalkingOutAfterTheLastLevelShowsTheVictoryThenTheNameEntry) {
  levelIndex = kLevelCount - 1;
  secondsLeft = 10;
  GameState = Shop;
  player.setX(700);
  player.setNuts(12);
  player.setAnimals(25);
  runPasses(2, 10);
  EXPECT_EQ(GameState, Victory);
  EXPECT_EQ(victoryLabels[0].text, "Final score: 30");
  EXPECT_EQ(victoryLabels[1].text, "Nuts collected: 12");
  EXPECT_EQ(victoryLabels[2].text, "Animals saved: 25");
  playerName = "Q";
  EXPECT_TRUE(press(SDLK_SPACE));
  EXPECT_EQ(GameState, Submit);
  EXPECT_EQ(playerName, "");  // the name entry starts afresh, its delay with it (the hero move tests)
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
  EXPECT_FALSE(handleEvents());  // quitting never waits for the painter
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
