// The view during play: under the wild rules it leads the run, eased, never past the
// level's edge, with the play below the status band; under the classic rules it is the
// hero's own corner.
#include <gtest/gtest.h>

#include <algorithm>

#include "../shell/ShellTestFixture.h"
#include "player/View.h"
#include "shell/MainLoop.h"

TEST_F(ShellTest, TheWildViewLeadsTheRunAndTheClassicOneStaysOnTheHero) {
  for (bool wild : {false, true}) {
    resetGame();
    wildRules = wild;
    press(SDLK_1);
    runPasses(60, 16);  // the hero lands
    ASSERT_EQ(GameState, Playing);
    pushKey(SDLK_RIGHT, true);
    runPasses(10, 16);
    const float easing = view.lead;
    runPasses(40, 16);
    if (!wild) {
      EXPECT_EQ(std::tuple(view.lead, view.left(), view.top(), view.heroScreenY()),
                std::tuple(0.0f, player.x, player.y, kHeroScreenY));
      continue;
    }
    EXPECT_GT(easing, 20.0f);
    EXPECT_LT(easing, 60.0f);
    EXPECT_EQ(std::tuple(view.lead, view.heroScreenX(), view.top(), view.heroScreenY()),
              std::tuple(120.0f, kHeroScreenX - 120.0f, player.y - 36.0f, kHeroScreenY + 36.0f));
    // Back to the left: the lead turns round, but shows nothing left of the level.
    pushKey(SDLK_RIGHT, false);
    pushKey(SDLK_LEFT, true);
    runPasses(120, 16);
    EXPECT_EQ(view.lead, std::max(-120.0f, -player.x));
    pushKey(SDLK_LEFT, false);
    // At the level's left end the view stays inside the level and the hero leaves the middle.
    player.x = -200.0f;
    EXPECT_EQ(std::pair(view.left(), view.heroScreenX()), std::pair(0.0f, 95.0f));
  }
}
