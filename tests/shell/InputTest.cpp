#include "ShellTestFixture.h"
#include "platform/StopRequest.h"
#include "platform/Video.h"

namespace {
const int32_t kAllStates[] = {Title,        Playing, Shop,  LevelStats, Scores,
                              Instructions, Story,   About, Submit,     Victory};

// What each menu key does on each screen: 2-5 open the title's screens.
int32_t expectedAfter(int32_t from, SDLKey key) {
  const int32_t fromTitle[] = {Instructions, Story, About, Scores};
  if (key == SDLK_1) return from == Title ? Playing : Title;
  if (key >= SDLK_2 && key <= SDLK_5) return from == Title ? fromTitle[key - SDLK_2] : from;
  if (key == SDLK_6) return from == Playing ? Shop : from;
  return key == SDLK_7 ? Submit : from;
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
  for (SDLKey key : {SDLK_SPACE, SDLK_UP}) {
    GameState = LevelStats;
    EXPECT_TRUE(press(key));
    EXPECT_EQ(GameState, Shop);
  }
  resetGame();
  player.jum = false;  // no jumping outside play
  EXPECT_TRUE(press(SDLK_SPACE));
  EXPECT_FALSE(player.jum);  // in play: the frame pacing test's jump
}

TEST_F(ShellTest, EscapeClosingTheWindowAndAStopSignalEndTheGameAndLeaveLaterEvents) {
  for (int32_t from : kAllStates) {
    GameState = from;
    EXPECT_FALSE(press(SDLK_ESCAPE));
    pushEvent(SDL_QUIT, [](SDL_Event&) {});
    EXPECT_FALSE(handleEvents());
  }
  requestStop();
  EXPECT_FALSE(handleEvents());
  clearStopRequest();
  GameState = Title;
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
  pushKey(SDLK_LSHIFT, true);
  EXPECT_TRUE(handleEvents());
  EXPECT_TRUE(player.att);
  pushKey(SDLK_LSHIFT, false);
  EXPECT_TRUE(handleEvents());
  EXPECT_FALSE(player.att);
  player.setWeaponLevel(1);
  for (int i = 0; i < 2; ++i) {  // with no weapon left to trade, the second changes nothing
    EXPECT_TRUE(press(SDLK_LCTRL));
    EXPECT_EQ(std::pair(player.getHealth(), player.getWeaponLevel()), std::pair(130, 0)) << i;
  }
}

TEST_F(ShellTest, EveryLetterKeyTypesItsCapitalAndOnlySubmitPassesCountTheDelayDown) {
  for (int k = SDLK_a; k <= SDLK_z; ++k) {
    nameDelay = 0;
    EXPECT_TRUE(press(static_cast<SDLKey>(k)));
  }
  EXPECT_EQ(playerName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  runPasses(100, 10);          // title passes
  EXPECT_TRUE(press(SDLK_b));  // too soon
  EXPECT_EQ(playerName.size(), 26u);
  // By the time of Submit passes, not their number.
  player.setScore(-1);  // keeps the entry out of the table
  GameState = Submit;
  runPasses(1, kNameDelayMs - 20);
  EXPECT_EQ(nameDelay, 20);
  GameState = Submit;  // a score out of the table leaves for the list
  runPasses(1, 20);
  EXPECT_EQ(nameDelay, 0);
}

TEST_F(ShellTest, ZCrouchesDuringPlayAndTypesElsewhereAndShiftedLettersTypeAndSwing) {
  GameState = Playing;
  pushKey(SDLK_z, true);
  EXPECT_TRUE(handleEvents());
  EXPECT_EQ(std::pair(player.cro, playerName), std::pair(true, std::string()));
  pushKey(SDLK_z, false);
  EXPECT_TRUE(handleEvents());
  EXPECT_FALSE(player.cro);

  GameState = Submit;
  nameDelay = 0;
  pushKey(SDLK_LSHIFT, true);
  pushKey(SDLK_k, true);
  EXPECT_TRUE(handleEvents());
  EXPECT_EQ(std::pair(player.att, playerName), std::pair(true, std::string("K")));
}

TEST_F(ShellTest, WideningTheWindowSwitchesToFullScreenAndBack) {
  for (int w : {641, 640}) {
    pushEvent(SDL_VIDEORESIZE, [=](SDL_Event& e) { e.resize.w = w, e.resize.h = 100; });
    EXPECT_TRUE(handleEvents());
    ASSERT_NE(ScreenSurface, nullptr);
    EXPECT_EQ(bool(ScreenSurface->flags & SDL_FULLSCREEN), w > kScreenWidth) << w;
    EXPECT_EQ(std::pair(ScreenSurface->w, ScreenSurface->h), std::pair(kScreenWidth, kScreenHeight));
  }
}
