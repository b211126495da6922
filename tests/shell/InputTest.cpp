#include <functional>
#include <vector>

#include "ShellTestFixture.h"
#include "platform/StopRequest.h"
#include "platform/Video.h"
#include "shell/Gamepad.h"

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
    EXPECT_FALSE(readInput());
  }
  requestStop();
  EXPECT_FALSE(readInput());
  clearStopRequest();
  GameState = Title;
  pushKey(SDLK_ESCAPE, true);
  pushKey(SDLK_7, true);
  EXPECT_FALSE(readInput());
  EXPECT_EQ(GameState, Title);
  EXPECT_TRUE(readInput());
  EXPECT_EQ(GameState, Submit);
}

TEST_F(ShellTest, HeroKeysWorkOnEveryScreen) {
  GameState = Scores;
  pushKey(SDLK_RIGHT, true);
  EXPECT_TRUE(readInput());
  EXPECT_FLOAT_EQ(player.speedx, 3.0f);
  pushKey(SDLK_LSHIFT, true);
  EXPECT_TRUE(readInput());
  EXPECT_TRUE(player.att);
  pushKey(SDLK_LSHIFT, false);
  EXPECT_TRUE(readInput());
  EXPECT_FALSE(player.att);
  player.setWeaponLevel(1);
  for (int i = 0; i < 2; ++i) {  // with no weapon left to trade, the second changes nothing
    EXPECT_TRUE(press(SDLK_LCTRL));
    EXPECT_EQ(std::pair(player.getHealth(), player.getWeaponLevel()), std::pair(130, 0)) << i;
  }
}

TEST_F(ShellTest, EveryLetterKeyTypesItsCapitalOnTheNameEntryAndOnlySubmitPassesCountTheDelayDown) {
  EXPECT_TRUE(press(SDLK_a));  // no name is being entered on the title
  EXPECT_EQ(playerName, "");
  GameState = Submit;
  nameEntryShown = true;
  for (int k = SDLK_a; k <= SDLK_z; ++k) {
    nameDelay = 0;
    EXPECT_TRUE(press(static_cast<SDLKey>(k)));
  }
  EXPECT_EQ(playerName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  GameState = Title;
  runPasses(100, 10);  // title passes
  GameState = Submit;
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

// A P meant to pause, read in the pass that lost the last life, is no letter of the name.
TEST_F(ShellTest, ALetterCountsOnlyOnceTheNameEntryHasBeenDrawn) {
  GameState = Playing;
  player.setScore(1000000);  // into the table
  player.setLives(1);
  player.setHealth(0);
  runPasses(1, 10);
  ASSERT_EQ(GameState, Submit);
  EXPECT_TRUE(press(SDLK_p));
  EXPECT_EQ(playerName, "");
  runPasses(1, 10);
  EXPECT_TRUE(press(SDLK_p));
  EXPECT_EQ(playerName, "P");
}

TEST_F(ShellTest, ZCrouchesDuringPlayAndTypesElsewhereAndShiftedLettersTypeAndSwing) {
  GameState = Playing;
  pushKey(SDLK_z, true);
  EXPECT_TRUE(readInput());
  EXPECT_EQ(std::pair(player.cro, playerName), std::pair(true, std::string()));
  pushKey(SDLK_z, false);
  EXPECT_TRUE(readInput());
  EXPECT_FALSE(player.cro);

  GameState = Submit;
  nameEntryShown = true;
  nameDelay = 0;
  pushKey(SDLK_LSHIFT, true);
  pushKey(SDLK_k, true);
  EXPECT_TRUE(readInput());
  EXPECT_EQ(std::pair(player.att, playerName), std::pair(true, std::string("K")));
}

TEST_F(ShellTest, WideningTheWindowSwitchesToFullScreenAndBack) {
  for (int w : {641, 640}) {
    pushEvent(SDL_VIDEORESIZE, [=](SDL_Event& e) { e.resize.w = w, e.resize.h = 100; });
    EXPECT_TRUE(readInput());
    ASSERT_NE(ScreenSurface, nullptr);
    EXPECT_EQ(bool(ScreenSurface->flags & SDL_FULLSCREEN), w > kScreenWidth) << w;
    EXPECT_EQ(std::pair(ScreenSurface->w, ScreenSurface->h), std::pair(kScreenWidth, kScreenHeight));
  }
}

// A gamepad must give the same results as the matching keys. There is no
// joystick under the dummy driver, so the tests put its events on the queue.
namespace {
const Sint16 kFullLeft = -32768, kFullRight = 32767, kHalfway = 16000;
const Uint8 kStickX = 0, kStickY = 1, kLeftTrigger = 2;

// One step of a test: events put on the queue, or a change made by hand.
using Step = std::function<void()>;

Step key(SDLKey k, bool down) {
  return [=] { pushKey(k, down); };
}
Step axis(Uint8 a, Sint16 v) {
  return [=] { pushEvent(SDL_JOYAXISMOTION, [=](SDL_Event& e) { e.jaxis.axis = a, e.jaxis.value = v; }); };
}
Step hat(Uint8 v) {
  return [=] { pushEvent(SDL_JOYHATMOTION, [=](SDL_Event& e) { e.jhat.value = v; }); };
}
Step button(int b, bool down) {
  return [=] {
    pushEvent(down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP, [=](SDL_Event& e) {
      e.jbutton.button = static_cast<Uint8>(b);
      e.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    });
  };
}

// What the hero's actions change: speed x and y, facing, slide, jump, swing, crouch, health, weapon.
using Hero = std::tuple<float, float, int, bool, bool, bool, bool, int, int>;
Hero hero() {
  return {player.speedx, player.speedy, player.ori, player.sli, player.jum,
          player.att, player.cro, player.getHealth(), player.getWeaponLevel()};
}

class GamepadTest : public ShellTest {
 protected:
  void TearDown() override { centre(); }

  // Lets go of the stick and the d-pad, so no test starts with a direction held.
  static void centre() {
    axis(kStickX, 0)();
    axis(kStickY, 0)();
    hat(SDL_HAT_CENTERED)();
    readInput();
    resetGame();
    GameState = Playing;
    player.jum = false;  // on the ground, so jumps and drops count
  }

  // Plays each step (events on the queue, then handled) and records the hero after it.
  static std::vector<Hero> play(const std::vector<Step>& steps) {
    centre();
    std::vector<Hero> after;
    for (const Step& step : steps) {
      step();
      EXPECT_TRUE(readInput());
      after.push_back(hero());
    }
    return after;
  }

  // Puts `screen` up, presses `b` and lets the game handle it.
  static void pressOn(int32_t screen, int b) {
    resetGame();
    GameState = screen;
    button(b, true)();
    button(b, false)();
    EXPECT_TRUE(readInput());
  }
};
}  // namespace

TEST_F(GamepadTest, StickAndDpadRunLikeTheArrowKeysAndTheDpadLeads) {
  // Right, straight over to left, then let go: each change releases the old
  // direction and presses the new one, once.
  std::vector<Hero> keys = play({key(SDLK_RIGHT, true),
                                 [] {
                                   pushKey(SDLK_RIGHT, false);
                                   pushKey(SDLK_LEFT, true);
                                 },
                                 key(SDLK_LEFT, false)});
  EXPECT_EQ(play({axis(kStickX, kFullRight), axis(kStickX, kFullLeft), axis(kStickX, 0)}), keys);
  EXPECT_EQ(play({hat(SDL_HAT_RIGHT), hat(SDL_HAT_LEFT), hat(SDL_HAT_CENTERED)}), keys);
  // The d-pad's right wins over the stick's left, and the stick takes over again after.
  std::vector<Hero> pad = play({axis(kStickX, kFullLeft), hat(SDL_HAT_RIGHT), hat(SDL_HAT_CENTERED)});
  EXPECT_FLOAT_EQ(std::get<0>(pad[1]), 3.0f);
  EXPECT_FLOAT_EQ(std::get<0>(pad[2]), -3.0f);
}

TEST_F(GamepadTest, TheStickHasADeadZoneAndOtherAxesDoNothing) {
  std::vector<Hero> still = play({[] {}});
  // A trigger rests at one end of its axis.
  for (auto [a, v] : {std::pair{kStickX, kPadDeadZone},
                      {kStickX, Sint16(-kPadDeadZone)},
                      {kStickY, kPadDeadZone},
                      {kLeftTrigger, kFullLeft}})
    EXPECT_EQ(play({axis(a, v)}), still) << "axis " << int(a) << " at " << v;
}

TEST_F(GamepadTest, DownDropsOnTheWayInOnly) {
  std::vector<Hero> keys = play({key(SDLK_DOWN, true)});
  EXPECT_EQ(play({axis(kStickY, kFullRight)}), keys);
  EXPECT_EQ(play({hat(SDL_HAT_DOWN)}), keys);
  // Held down after landing: no second drop until the stick comes back and goes down again.
  play({axis(kStickY, kFullRight)});
  player.jum = false;
  axis(kStickY, kHalfway)();
  readInput();
  EXPECT_FALSE(player.jum);
  axis(kStickY, 0)();
  axis(kStickY, kFullRight)();
  readInput();
  EXPECT_TRUE(player.jum);
}

TEST_F(GamepadTest, ButtonsDoWhatTheirKeysDo) {
  // The key tests pin what each key does; armed, so that the trade has a level to give.
  const std::pair<int, SDLKey> pairs[] = {
      {kPadJump, SDLK_SPACE}, {kPadSwing, SDLK_LSHIFT}, {kPadTrade, SDLK_LCTRL}, {kPadCrouch, SDLK_z}};
  auto armed = [] { player.setWeaponLevel(2); };
  for (auto [b, k] : pairs) {
    std::vector<Hero> pad = play({armed, button(b, true), button(b, false)});
    EXPECT_EQ(pad, play({armed, key(k, true), key(k, false)})) << "button " << b;
    EXPECT_NE(pad[1], pad[0]) << "button " << b << " did nothing";
  }
  // The crouch button never types a name.
  pressOn(Submit, kPadCrouch);
  EXPECT_EQ(playerName, "");
}

TEST_F(GamepadTest, ARunPushedWhilePausedWaitsForTheNextMoveOfTheStick) {
  // Let go while paused or after: nothing was given, so nothing is taken back.
  std::vector<Hero> after =
      play({[] { pauseScreen.toggle(), axis(kStickX, kFullRight)(), axis(kStickX, 0)(); },
            axis(kStickX, kFullRight), [] { pauseScreen.toggle(), axis(kStickX, 0)(); },
            axis(kStickX, kFullRight)});
  const Hero still = play({[] {}})[0];
  EXPECT_EQ(std::tuple(after[0], after[2]), std::tuple(still, still));
  EXPECT_FLOAT_EQ(std::get<0>(after[3]), 3.0f);
}

// Start and Back share the code of key 1 and the pause key, whose every screen
// the key and pause tests walk through; here only that the buttons reach it.
TEST_F(GamepadTest, StartLeavesForTheTitleBackPausesAndGoesOnAndUnusedButtonsDoNothing) {
  pressOn(Playing, kPadStart);
  EXPECT_EQ(GameState, Title);
  pressOn(Playing, kPadBack);
  EXPECT_TRUE(pauseScreen.active());
  button(kPadBack, true)();
  EXPECT_TRUE(readInput());
  EXPECT_FALSE(pauseScreen.active());
  for (int unused : {4, 5, 8, 9, 10, 11}) {
    resetGame();
    Hero before = hero();
    pressOn(Playing, unused);
    EXPECT_EQ(GameState, Playing) << "button " << unused;
    EXPECT_EQ(hero(), before) << "button " << unused;
  }
}
