#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "TestSupport.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Video.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "text/HudLabels.h"

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
  player.setScore(60);  // the time bonus paid at the exit: nuts are no points
  player.setNuts(5);
  player.setAnimals(2);
  secondsLeft = 20;
  levelIndex = 0;
  buildLevelStats();
  const char* lines[] = {" You have finished level 0", " Nuts collected: 5", " Animals saved: 2",
                         " Time bonus (seconds multiplied by 3): 60", " Score: 60"};
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
