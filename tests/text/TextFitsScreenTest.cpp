// The longest texts a real game can show, rendered by the game's own builders
// at their own places, must end inside the 640 x 480 screen.
//
// The largest values a game reaches, from its rules:
// - lives never rise above the 3 a game starts with;
// - the score grows only by the time bonus, at most 60 s x 3 for each level left
//   behind: 4 x 180 = 720 while the last level or its shop is shown, 900 at the end;
// - nuts and animals carry over from level to level: every nut and animal of all
//   five levels, with nothing bought, is 5 x 28 nuts and 5 x 5 animals;
// - the clock shows at most 60, the level at most 4;
// - an upgrade costs at most 10 + 10 x 5 nuts (the price after the last purchase);
// - a name has three letters; W is the widest capital;
// - under the wild rules the status lines show the health too, and deeds score: at most
//   5 x 28 nuts, 5 x 5 animals x 10 and 27 goblins x 5, four digits with the bonus;
//   the health grows only by trading weapon levels, three digits.
// Digits are all equally wide in the font, so 9s stand for any number of that length.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "platform/Video.h"
#include "player/Player.h"
#include "scores/HighScores.h"
#include "shell/GameFlow.h"
#include "shell/Progression.h"
#include "shell/Screens.h"
#include "shell/Shop.h"
#include "text/HudLabels.h"
#include "text/ScreenLabels.h"

namespace {
const int kLastLevel = kLevelCount - 1;
const int kMostSeconds = kLevelTimeMs / 1000;
const int kMostScoreInPlay = kLastLevel * kMostSeconds * kTimeBonusPerSecond;
const int kMostFinalScore = kLevelCount * kMostSeconds * kTimeBonusPerSecond;
const int kMostCost = kUpgradeStartCost + kUpgradePriceStep * kTopUpgradeLevel;
const char* kWidestName = "WWW";

// The statistics panel's outer border: the picture's amber line, bright on any background.
bool onPanelBorder(int x, int y) {
  uint32_t c = rgbOfPixel(ScreenSurface, x, y);
  int r = c >> 16, g = c >> 8 & 0xFF, b = c & 0xFF;
  return r > 190 && g > 120 && g < 190 && b < 110;
}

// The first border pixel from (x, y) on in the direction (dx, dy): its x or y, or -1 when
// the walk leaves the screen first.
int borderFrom(int x, int y, int dx, int dy) {
  for (; x >= 0 && y >= 0 && x < kScreenWidth && y < kScreenHeight; x += dx, y += dy)
    if (onPanelBorder(x, y)) return dx ? x : y;
  return -1;
}

int countPlaced(int type) {
  return std::count_if(std::begin(extras), std::end(extras), [=](const Extra& e) { return e.type == type; });
}

// The glyphs must fit; an outline may lose its last pixel to the screen's edge.
void expectInsideScreen(const TextLabel& label) {
  ASSERT_NE(label.surface, nullptr) << "'" << label.text << "' was not rendered";
  EXPECT_LE(label.rect.x + label.surface->w - 2 * label.inset, kScreenWidth)
      << "'" << label.text << "' ends past the right edge";
  EXPECT_LE(label.rect.y + label.surface->h - 2 * label.inset, kScreenHeight)
      << "'" << label.text << "' ends past the bottom";
}

class TextFitsScreenTest : public testing::Test {
 protected:
  void SetUp() override {
    // Every level places the same extras, so the pool shows what one level holds.
    player.reset(nowMs());
    player.setScore(kMostScoreInPlay);
    player.setNuts(kLevelCount * countPlaced(Nut));
    player.setAnimals(kLevelCount * countPlaced(Animal));
    levelIndex = kLastLevel;
  }
  SavedGameState saved;
};
}  // namespace

TEST_F(TextFitsScreenTest, EveryLongestLineEndsInsideTheScreen) {
  levels[kLastLevel].startTick = nowMs();  // the whole 60 s left
  // The wild status lines hold all of the classic ones and more, in a smaller size.
  player.setHealth(999);
  for (bool wild : {false, true}) {
    wildRules = wild;
    player.setScore(wild ? 9999 : kMostScoreInPlay);  // nuts, animals and goblins score too
    buildStatusLine(nowMs());
    buildShopStatusLine();
    expectInsideScreen(statusLabel);
    expectInsideScreen(shopStatusLabel);
  }
  wildRules = false;
  player.setScore(kMostFinalScore);  // at the end of the game
  buildVictoryLines();
  for (const TextLabel& line : victoryLabels) expectInsideScreen(line);
  buildMissedTableLine(true);
  weaponCost = armourCost = kMostCost;
  buildWeaponPrompt();
  buildArmourPrompt();
  playerName = kWidestName;
  buildNameLabel();
  for (const TextLabel* line : {&missedTableLabel, &weaponPromptLabel, &armourPromptLabel, &nameLabel})
    expectInsideScreen(*line);

  SavedScoreTable savedTable;
  for (std::string& name : scoreNames) name = kWidestName;
  // A score file edited by hand may hold any number; even the longest one fits.
  scoreValues[kScoreEntries - 1] = INT32_MIN;
  renderScores();
  for (const TextLabel& line : scoreLabels) expectInsideScreen(line);
}

// Each statistics line lies on the panel it is drawn on, and the panel shows whole: from the
// middle of each line's box the panel's border lies beyond the box on all four sides.
TEST_F(TextFitsScreenTest, EveryStatisticsLineLiesOnItsPanelOnEveryLevelUnderBothRules) {
  secondsLeft = kMostSeconds;
  player.setScore(9999);  // more than any game reaches under either rules
  player.tally = {countPlaced(Nut), countPlaced(Animal), kGoblinCount};
  for (bool wild : {false, true}) {
    for (int level = 0; level < kLevelCount; ++level) {
      wildRules = wild;
      levelIndex = level;
      levelStatsPass();
      for (const TextLabel& line : statsLabels) {
        if (line.text.empty()) continue;  // the classic rules show five lines
        ASSERT_NE(line.surface, nullptr);
        const int left = line.rect.x, top = line.rect.y;
        const int right = left + line.surface->w, bottom = top + line.surface->h;
        const int midX = (left + right) / 2, midY = (top + bottom) / 2;
        const int border[] = {borderFrom(midX, midY, -1, 0), borderFrom(midX, midY, 1, 0),
                              borderFrom(midX, midY, 0, -1), borderFrom(midX, midY, 0, 1)};
        EXPECT_TRUE(border[0] >= 0 && border[0] < left && border[1] >= right && border[2] >= 0 &&
                    border[2] < top && border[3] >= bottom)
            << "'" << line.text << "' at " << left << "," << top << " to " << right << "," << bottom
            << " on a panel from " << border[0] << "," << border[2] << " to " << border[1] << ","
            << border[3];
      }
    }
  }
}
