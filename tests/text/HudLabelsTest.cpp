#include <gtest/gtest.h>

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
  void TearDown() override {
    player.reset();
    levelIndex = 0;
    secondsLeft = 0;
    weaponCost = armourCost = 10;
    playerName.clear();
  }
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
  EXPECT_EQ(statusLabel.rect.x, 10);
  EXPECT_EQ(statusLabel.rect.y, 10);
  EXPECT_NE(statusLabel.surface, nullptr);
}

TEST_F(HudLabelsTest, LivesFlashOverTheStatusLineForASecondAfterALostLife) {
  buildLivesFlash();
  EXPECT_EQ(livesFlashLabel.text, "");
  player.setLives(2);
  player.lifeFlash = true;
  player.lifeLostTick = nowMs();
  buildLivesFlash();
  EXPECT_EQ(livesFlashLabel.text, "Lifes: 2");
  EXPECT_EQ(livesFlashLabel.rect.x, 10);
  EXPECT_EQ(livesFlashLabel.rect.y, 10);
  player.lifeLostTick = nowMs() - 100;
  buildLivesFlash();
  EXPECT_EQ(livesFlashLabel.text, "");
  player.lifeLostTick = nowMs() - 1000;
  buildLivesFlash();
  EXPECT_EQ(livesFlashLabel.text, "");
}

TEST_F(HudLabelsTest, ShopTextsAndNegativeNumbers) {
  player.setScore(-40);
  levelIndex = 2;
  buildShopStatusLine();
  EXPECT_EQ(shopStatusLabel.text, "Lifes: 3  Score: -40  Nuts: 0  Animals: 0  Level: 2");
  weaponCost = 20;
  buildWeaponPrompt();
  EXPECT_EQ(weaponPromptLabel.text, " Upgrade Weapon?   Cost: 20");
  EXPECT_EQ(weaponPromptLabel.rect.y, 150);
  armourCost = 0;
  buildArmourPrompt();
  EXPECT_EQ(armourPromptLabel.text, " Upgrade Armour?   Cost: 0");
  EXPECT_EQ(armourPromptLabel.rect.x, 200);
  EXPECT_EQ(armourPromptLabel.rect.y, 100);
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
  for (int i = 0; i < kStatsLineCount; ++i) EXPECT_EQ(statsLabels[i].rect.y, 130 + 50 * i);
}

TEST_F(HudLabelsTest, NameLabelShowsTheNameAndNothingWhenEmpty) {
  playerName = "AB";
  buildNameLabel();
  EXPECT_EQ(nameLabel.text, "AB");
  EXPECT_NE(nameLabel.surface, nullptr);
  EXPECT_EQ(nameLabel.rect.x, 270);
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
