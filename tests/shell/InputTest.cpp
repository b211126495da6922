#include <vector>

#include "ShellTestFixture.h"
#include "platform/Clock.h"
#include "platform/StopRequest.h"
#include "platform/Video.h"

namespace {
struct KeyCase {
  int32_t from;
  SDLKey key;
  int32_t to;
};

const int32_t kAllStates[] = {Title,        Playing, Shop,  LevelStats, Scores,
                              Instructions, Story,   About, Submit,     Victory};

// What each menu key does on each screen.
int32_t expectedAfter(int32_t from, SDLKey key) {
  switch (key) {
    case SDLK_1:
      return from == Title ? Playing : Title;
    case SDLK_2:
      return from == Title ? Instructions : from;
    case SDLK_3:
      return from == Title ? Story : from;
    case SDLK_4:
      return from == Title ? About : from;
    case SDLK_5:
      return from == Title ? Scores : from;
    case SDLK_6:
      return from == Playing ? Shop : from;
    case SDLK_7:
      return Submit;
    default:
      return from;
  }
}
}  // namespace

TEST_F(ShellTest, MenuKeysMoveBetweenScreensAsThePlayerExpects) {
  const SDLKey keys[] = {SDLK_1, SDLK_2, SDLK_3, SDLK_4,  SDLK_5,      SDLK_6,   SDLK_7,
                         SDLK_0, SDLK_8, SDLK_9, SDLK_F1, SDLK_RSHIFT, SDLK_KP1, SDLK_BACKSPACE};
  for (int32_t from : kAllStates) {
    for (SDLKey key : keys) {
      resetGame();
      GameState = from;
      EXPECT_TRUE(press(key));
      EXPECT_EQ(GameState, expectedAfter(from, key)) << "state " << from << " key " << key;
    }
  }
}

TEST_F(ShellTest, ActionKeyDependsOnTheScreen) {
  GameState = LevelStats;
  EXPECT_TRUE(press(SDLK_SPACE));
  EXPECT_EQ(GameState, Shop);

  resetGame();
  GameState = LevelStats;
  EXPECT_TRUE(press(SDLK_UP));
  EXPECT_EQ(GameState, Shop);

  resetGame();
  player.jum = false;
  GameState = Title;  // no jumping outside play
  EXPECT_TRUE(press(SDLK_SPACE));
  EXPECT_FALSE(player.jum);

  GameState = Playing;
  EXPECT_TRUE(press(SDLK_UP));
  EXPECT_TRUE(player.jum);
  EXPECT_FLOAT_EQ(player.speedy, -5.0f);
}

TEST_F(ShellTest, EscapeAndClosingTheWindowEndTheGameFromEveryScreen) {
  for (int32_t from : kAllStates) {
    resetGame();
    GameState = from;
    pushKey(SDLK_ESCAPE, true);
    EXPECT_FALSE(handleEvents());
    resetGame();
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_FALSE(handleEvents());
  }
}

TEST_F(ShellTest, ASignalToStopEndsTheGameAsClosingTheWindowDoes) {
  requestStop();
  EXPECT_FALSE(handleEvents());
  clearStopRequest();
  EXPECT_TRUE(handleEvents());
}

TEST_F(ShellTest, EventsAfterAQuitAreLeftInTheQueue) {
  pushKey(SDLK_ESCAPE, true);
  pushKey(SDLK_7, true);
  EXPECT_FALSE(handleEvents());
  EXPECT_EQ(GameState, Title);
  EXPECT_TRUE(handleEvents());
  EXPECT_EQ(GameState, Submit);
}

TEST_F(ShellTest, HeroKeysWorkOnEveryScreen) {
  GameState = Scores;
  pushKey(SDLK_RIGHT, true);
  EXPECT_TRUE(handleEvents());
  EXPECT_FLOAT_EQ(player.speedx, 3.0f);
  EXPECT_EQ(player.ori, 0);
  pushKey(SDLK_LSHIFT, true);
  EXPECT_TRUE(handleEvents());
  EXPECT_TRUE(player.att);
  pushKey(SDLK_LSHIFT, false);
  EXPECT_TRUE(handleEvents());
  EXPECT_FALSE(player.att);
  player.setWeaponLevel(1);
  EXPECT_TRUE(press(SDLK_LCTRL));
  EXPECT_EQ(player.getHealth(), 130);
  EXPECT_EQ(player.getWeaponLevel(), 0);
}

TEST_F(ShellTest, LettersFollowTheKeyboardTableAndTheDelay) {
  GameState = Submit;
  lastFrameTick = nowMs();
  EXPECT_TRUE(press(SDLK_q));
  EXPECT_EQ(playerName, "Q");
  EXPECT_EQ(nameDelay, kNameDelayMs);
  EXPECT_TRUE(press(SDLK_w));  // too soon
  EXPECT_EQ(playerName, "Q");
  EXPECT_TRUE(press(SDLK_z));  // z never waits
  EXPECT_EQ(playerName, "QZ");

  // The delay runs down by the time of Submit passes only.
  player.setScore(-1);  // keeps the entry out of the table
  runPasses(1, kNameDelayMs - 20);
  EXPECT_EQ(nameDelay, 20);
  EXPECT_TRUE(press(SDLK_m));
  EXPECT_EQ(playerName, "QZ");
  GameState = Submit;
  runPasses(1, 20);
  EXPECT_EQ(nameDelay, 0);
  EXPECT_TRUE(press(SDLK_m));
  EXPECT_EQ(playerName, "QZM");
}

TEST_F(ShellTest, EveryLetterKeyTypesItsCapital) {
  GameState = Title;
  std::string typed;
  for (int k = SDLK_a; k <= SDLK_z; ++k) {
    nameDelay = 0;
    EXPECT_TRUE(press(static_cast<SDLKey>(k)));
  }
  EXPECT_EQ(playerName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST_F(ShellTest, LettersOutsideSubmitWaitUntilSubmitIsShown) {
  GameState = Title;
  EXPECT_TRUE(press(SDLK_a));
  runPasses(100, 10);  // title passes do not count the delay down
  EXPECT_EQ(nameDelay, kNameDelayMs);
  EXPECT_TRUE(press(SDLK_b));
  EXPECT_EQ(playerName, "A");
}

TEST_F(ShellTest, ZCrouchesDuringPlayAndTypesElsewhere) {
  GameState = Playing;
  pushKey(SDLK_z, true);
  EXPECT_TRUE(handleEvents());
  EXPECT_TRUE(player.cro);
  EXPECT_EQ(playerName, "");
  pushKey(SDLK_z, false);
  EXPECT_TRUE(handleEvents());
  EXPECT_FALSE(player.cro);

  GameState = Shop;
  EXPECT_TRUE(press(SDLK_z));
  EXPECT_FALSE(player.cro);
  EXPECT_EQ(playerName, "Z");
}

TEST_F(ShellTest, ShiftedLettersStillTypeCapitalsAndSwing) {
  GameState = Submit;
  pushKey(SDLK_LSHIFT, true);
  pushKey(SDLK_k, true);
  EXPECT_TRUE(handleEvents());
  EXPECT_TRUE(player.att);
  EXPECT_EQ(playerName, "K");
}

TEST_F(ShellTest, WideningTheWindowSwitchesToFullScreen) {
  SDL_Event e = {};
  e.type = SDL_VIDEORESIZE;
  e.resize.w = 641;
  e.resize.h = 100;
  SDL_PushEvent(&e);
  EXPECT_TRUE(handleEvents());
  ASSERT_NE(ScreenSurface, nullptr);
  EXPECT_TRUE(ScreenSurface->flags & SDL_FULLSCREEN);
  EXPECT_EQ(ScreenSurface->w, kScreenWidth);
  EXPECT_EQ(ScreenSurface->h, kScreenHeight);

  e.resize.w = 640;
  SDL_PushEvent(&e);
  EXPECT_TRUE(handleEvents());
  ASSERT_NE(ScreenSurface, nullptr);
  EXPECT_FALSE(ScreenSurface->flags & SDL_FULLSCREEN);
  EXPECT_EQ(ScreenSurface->w, kScreenWidth);
}
