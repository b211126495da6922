#include <vector>

#include "ShellTestFixture.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "platform/Video.h"
#include "shell/Progression.h"

namespace {
// A sum over the screen's pixels: any sprite or number that changes changes it.
double screenSum() {
  const auto* p = static_cast<const uint8_t*>(ScreenSurface->pixels);
  double sum = 0;
  for (int i = 0; i < ScreenSurface->pitch * ScreenSurface->h; ++i) sum += p[i] * (i % 251 + 1);
  return sum;
}

// Everything that moves or counts down in play, the game clock and the picture.
std::vector<double> playState() {
  std::vector<double> s = {player.getX(),   player.getY(),
                           player.speedx,   double(levels[0].timeLeftMs(nowMs())),
                           double(nowMs()), screenSum()};
  for (const Goblin& g : goblins) s.insert(s.end(), {g.x, g.y, g.speedy, double(g.animStart)});
  return s;
}

void focus(Uint8 gain) {
  pushEvent(SDL_ACTIVEEVENT, [=](SDL_Event& e) { e.active.state = SDL_APPINPUTFOCUS, e.active.gain = gain; });
}
}  // namespace

TEST_F(ShellTest, PauseFreezesPlayForTwoSecondsAndGoesOnFromTheSameState) {
  startNewGame();
  pushKey(SDLK_RIGHT, true);
  runPasses(40, 16);
  EXPECT_TRUE(press(SDLK_p));
  ASSERT_TRUE(pauseScreen.active());
  EXPECT_EQ(playerName, "");  // p paused instead of being typed
  float x = player.getX();
  uint32_t left = levels[0].timeLeftMs(nowMs());
  runPasses(1, 16);
  std::vector<double> frozen = playState();
  runPasses(125, 16);  // two seconds
  EXPECT_EQ(playState(), frozen);
  EXPECT_TRUE(press(SDLK_p));
  runPasses(1, 16);
  // One step on, not two seconds: the paused span is in no frame time.
  EXPECT_TRUE(player.getX() > x && player.getX() < x + 10) << player.getX() - x;
  EXPECT_LE(left - levels[0].timeLeftMs(nowMs()), 32u);
  pushKey(SDLK_RIGHT, false);
}

TEST_F(ShellTest, FocusLossAndThePauseKeyPausePlayAndTheShopOnly) {
  focus(0);
  EXPECT_TRUE(press(SDLK_p));  // a letter on the title
  EXPECT_FALSE(pauseScreen.active());
  GameState = Shop;
  EXPECT_TRUE(press(SDLK_PAUSE));
  EXPECT_TRUE(pauseScreen.active());
  pauseScreen.resume();  // a second press resumes, as the p key does in play

  GameState = Playing;
  focus(0);  // the focus handed over within the window: no pause
  focus(1);
  EXPECT_TRUE(handleEvents());
  EXPECT_FALSE(pauseScreen.active());
  focus(0);
  EXPECT_TRUE(handleEvents());
  EXPECT_TRUE(pauseScreen.active());
  // While paused the hero's keys wait; key 1 leaves for the title and ends the pause.
  player.jum = false;
  EXPECT_TRUE(press(SDLK_SPACE));
  EXPECT_FALSE(player.jum);
  EXPECT_TRUE(press(SDLK_1));
  EXPECT_EQ(std::pair(GameState, gameClock.paused()), std::pair(int32_t(Title), false));
}
