#include <gtest/gtest.h>

#include "TestSupport.h"
#include "level/Level.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "shell/GameState.h"
#include "text/FontCache.h"
#include "text/HudLabels.h"

namespace {
class HudLabelsTest : public testing::Test {
 protected:
  void SetUp() override { player.reset(); }
  SavedGameState saved;
};
}  // namespace

TEST_F(HudLabelsTest, StatusLineDuringPlay) {
  player.setLives(2);
  player.setScore(150);
  player.setNuts(12);
  player.setAnimals(3);
  levelIndex = 1;
  levels[1].startTick = nowMs() - 22100;  // 37 900 ms left
  buildStatusLine();
  EXPECT_EQ(statusLabel.text, "Lifes: 2  Score: 150  Nuts: 12  Animals: 3  Level: 1  Time: 37");
  EXPECT_NE(statusLabel.surface, nullptr);
}

TEST_F(HudLabelsTest, ShopTextsAndNegativeNumbers) {
  player.setScore(-40);
  levelIndex = 2;
  buildShopStatusLine();
  EXPECT_EQ(shopStatusLabel.text, "Lifes: 3  Score: -40  Nuts: 0  Animals: 0  Level: 2");
  weaponCost = 20;
  buildWeaponPrompt();
  EXPECT_EQ(weaponPromptLabel.text, " Upgrade Weapon?   Cost: 20");
  armourCost = 0;
  buildArmourPrompt();
  EXPECT_EQ(armourPromptLabel.text, " Upgrade Armour?   Cost: 0");
}

TEST_F(HudLabelsTest, LevelStatistics) {
  player.setNuts(5);
  player.setAnimals(2);
  secondsLeft = 20;
  levelIndex = 0;
  buildLevelStats();
  EXPECT_EQ(statsLabels[0].text, " You have finished level 0");
  EXPECT_EQ(statsLabels[1].text, " Nuts collected: 5");
  EXPECT_EQ(statsLabels[2].text, " Animals saved: 2");
  EXPECT_EQ(statsLabels[3].text, " Time bonus (seconds multiplied by 3): 60");
  EXPECT_EQ(statsLabels[4].text, " Score: 65");
}

TEST_F(HudLabelsTest, NameLabelShowsTheNameAndNothingWhenEmpty) {
  playerName = "AB";
  buildNameLabel();
  EXPECT_EQ(nameLabel.text, "AB");
  EXPECT_NE(nameLabel.surface, nullptr);
  playerName.clear();
  buildNameLabel();
  EXPECT_EQ(nameLabel.surface, nullptr);
}

TEST_F(HudLabelsTest, RebuildingEveryFrameReusesTheFont) {
  buildStatusLine();
  TTF_Font* font = statusLabel.font;
  ASSERT_NE(font, nullptr);
  for (int i = 0; i < 500; ++i) buildStatusLine();
  EXPECT_EQ(statusLabel.font, font);
  EXPECT_EQ(fontCache.get(20), font);
}
