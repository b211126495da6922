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
#include <cmath>

#include "TestSupport.h"
#include "extras/LevelExtras.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
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

// One past the rightmost column the letters cover: a line's box ends with blank advance.
int inkRight(SDL_Surface* s) {
  for (int x = s->w - 1; x >= 0; --x)
    for (int y = 0; y < s->h; ++y)
      if (rawPixel(s, x, y) != s->format->colorkey) return x + 1;
  return 0;
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
  levels[kLastLevel].startTick = nowMs();  // the whole clock left
  // The wild status lines hold all of the classic ones and more, in a smaller size, and the
  // longest clock a level's extras file may give.
  player.setHealth(999);
  for (bool wild : {false, true}) {
    wildRules = wild;
    levels[kLastLevel].clockMs = wild ? kMaxClockSeconds * 1000u : kLevelTimeMs;
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
// middle of each line's letters the panel's border lies beyond them on all four sides.
TEST_F(TextFitsScreenTest, EveryStatisticsLineLiesOnItsPanelOnEveryLevelUnderBothRules) {
  secondsLeft = kMostSeconds;
  player.setScore(9999);  // more than any game reaches under either rules
  player.belongings.tally = {countPlaced(Nut), countPlaced(Animal), kGoblinCount};
  for (bool wild : {false, true}) {
    for (int level = 0; level < kLevelCount; ++level) {
      wildRules = wild;
      levelIndex = level;
      levelStatsPass();
      for (const TextLabel& line : statsLabels) {
        if (line.text.empty()) continue;  // the classic rules show five lines
        ASSERT_NE(line.surface, nullptr);
        const int left = line.rect.x, top = line.rect.y;
        const int right = left + inkRight(line.surface), bottom = top + line.surface->h;
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

namespace {
// Relative luminance of a screen pixel, as the web's contrast guidelines define it.
double luminance(int x, int y) {
  Uint8 c[3];
  SDL_GetRGB(rawPixel(ScreenSurface, x, y), ScreenSurface->format, &c[0], &c[1], &c[2]);
  double lin[3];
  for (int i = 0; i < 3; ++i) {
    double v = c[i] / 255.0;
    lin[i] = v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  }
  return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2];
}

double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

class HudLabelsTest : public testing::Test {
 protected:
  void SetUp() override { player.reset(nowMs()); }
  SavedGameState saved;
};
}  // namespace

TEST_F(HudLabelsTest, StatusLinesInPlayAndInTheShopAndLevelStatistics) {
  player.setLives(2);
  player.setScore(150);
  player.setNuts(12);
  player.setAnimals(3);
  levelIndex = 1;
  levels[1].startTick = nowMs() - 22100;  // 37 900 ms left
  buildStatusLine(nowMs());
  EXPECT_EQ(statusLabel.text, "Lifes: 2  Score: 150  Nuts: 12  Animals: 3  Level: 1  Time: 37");
  player.setScore(-40);
  levelIndex = 2;
  buildShopStatusLine();
  EXPECT_EQ(shopStatusLabel.text, "Lifes: 2  Score: -40  Nuts: 12  Animals: 3  Level: 2");
  player.setScore(0);  // the bonus is paid walking out of the shop: the line is the level's tally
  player.setNuts(5);
  player.setAnimals(2);
  secondsLeft = 20;
  levelIndex = 0;
  buildLevelStats();
  const char* lines[] = {" You have finished level 0", " Nuts collected: 5", " Animals saved: 2",
                         " Time bonus (seconds multiplied by 3): 60", " Score: 65"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(statsLabels[i].text, lines[i]);
}

TEST_F(HudLabelsTest, LivesFlashOverTheStatusLineForASecondAfterALostLife) {
  buildLivesFlash(nowMs());
  EXPECT_EQ(livesFlashLabel.text, "");
  player.setLives(2);
  player.lifeFlash = true;
  for (auto [sinceMs, text] : {std::pair{0u, "Lifes: 2"}, {100u, ""}, {1000u, ""}}) {
    player.lifeLostTick = nowMs() - sinceMs;
    buildLivesFlash(nowMs());
    EXPECT_EQ(livesFlashLabel.text, text) << sinceMs << " ms after";
  }
}

TEST_F(HudLabelsTest, NameLabelShowsTheNameAndNothingWhenEmptyAndRebuildsReuseTheFont) {
  playerName = "AB";
  buildNameLabel();
  EXPECT_EQ(nameLabel.text, "AB");
  playerName.clear();
  buildNameLabel();
  EXPECT_EQ(nameLabel.surface, nullptr);
  buildStatusLine(nowMs());
  TTF_Font* font = statusLabel.font;
  for (int i = 0; i < 500; ++i) buildStatusLine(nowMs());
  EXPECT_NE(font, nullptr);
  EXPECT_EQ(statusLabel.font, font);
}

TEST_F(HudLabelsTest, StatusLineStandsOutOverEveryLevel) {
  for (int n = 0; n < kLevelCount; ++n) {
    levelBuild.waitFor(n);
    const SDL_Surface* picture = levels[n].levelImage;
    ASSERT_NE(picture, nullptr);
    // The start view, the top of the sky halfway along, and low near the far end.
    const float views[][2] = {{100, 100}, {picture->w / 2.0f, 0}, {picture->w - 800.0f, picture->h / 2.0f}};
    for (const auto& view : views) {
      levelIndex = n;
      levels[n].draw(ScreenSurface, view[0], view[1]);
      buildStatusLine(nowMs());
      drawLabel(statusLabel, ScreenSurface);
      // Where the glyphs lie: the same text without its outline.
      SDL_Surface* glyphs =
          TTF_RenderText_Solid(statusLabel.font, statusLabel.text.c_str(), {255, 255, 255, 0});
      ASSERT_NE(glyphs, nullptr);
      auto glyphAt = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < glyphs->w && y < glyphs->h &&
               static_cast<Uint8*>(glyphs->pixels)[y * glyphs->pitch + x] != 0;
      };
      double worst = 100;
      for (int y = 0; y < glyphs->h; ++y)
        for (int x = 0; x < glyphs->w; ++x)
          for (int d = 0; d < 9 && glyphAt(x, y); ++d) {
            const int nx = x + d % 3 - 1, ny = y + d / 3 - 1;
            if (glyphAt(nx, ny)) continue;
            worst = std::min(worst, contrast(luminance(10 + x, 10 + y), luminance(10 + nx, 10 + ny)));
          }
      SDL_FreeSurface(glyphs);
      EXPECT_GE(worst, 4.5) << "level " << n << " at view " << view[0] << ", " << view[1];
    }
  }
}
