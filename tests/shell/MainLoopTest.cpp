#include <vector>

#include "ShellTestFixture.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "platform/Video.h"
#include "scores/HighScores.h"
#include "shell/Commands.h"
#include "shell/MainLoop.h"
#include "shell/Progression.h"
#include "shell/Screens.h"
#include "text/ScreenLabels.h"

TEST_F(ShellTest, AnEarlyPassWaitsForTheStepAndALateOneKeepsItsTime) {
  uint32_t saved = nowMs();
  // Early, and across a wrap of the timer: the fake clock jumps to the step, and the
  // frame's length is measured across the wrap.
  lastFrameTick = 0xFFFFFFF8u;
  gameClock.useFake(0xFFFFFFF9u);
  waitForFrameStep();
  EXPECT_EQ(nowMs(), 8u);
  EXPECT_FLOAT_EQ(measureFrame(), 16.0f);
  // Late: nothing to wait for, and the frame keeps its real length.
  gameClock.advance(40);
  waitForFrameStep();
  EXPECT_FLOAT_EQ(measureFrame(), 40.0f);
  gameClock.useFake(saved);  // the fixture puts the frame tick back
}

// A key acts at the time it is handled, after the flip, not at the tick the pass began.
TEST_F(ShellTest, AJumpStartsWhenItsKeyIsHandled) {
  GameState = Playing;
  runPasses(60, 16);  // the hero lands
  ASSERT_FALSE(player.jum);
  const uint32_t saved = nowMs();
  gameClock.useFake(saved, 1);  // every read takes a millisecond
  pushKey(SDLK_UP, true);
  runPass();
  const uint32_t passTick = lastFrameTick + 1;  // the pass's own read follows the frame's
  EXPECT_GT(player.jumpStart, passTick);
  gameClock.useFake(nowMs());
}

TEST(ClockTest, TheRealClockSleepsUntilTheTick) {
  Clock real;
  uint32_t target = real.ticks() + 5;
  real.waitUntil(target);
  EXPECT_GE(static_cast<int32_t>(real.ticks() - target), 0);
}

TEST_F(ShellTest, TitlePassGivesThreeLivesAndNoAnimalsAndShowsTheTitlePicture) {
  ASSERT_NE(titleImage, nullptr);
  player.setLives(0);
  player.setAnimals(4);
  runPasses(1, 10);
  EXPECT_EQ(std::pair(player.getLives(), player.getAnimals()), std::pair(3, 0));
  int differing = 0;
  // But for the rules chosen, written on the picture's small board.
  const SDL_Rect& at = rulesLabel.rect;
  auto onBadge = [&](int x, int y) {
    return x >= at.x && y >= at.y && x < at.x + rulesLabel.surface->w && y < at.y + rulesLabel.surface->h;
  };
  for (int y = 0; y < kScreenHeight; y += 7)
    for (int x = 0; x < kScreenWidth; x += 7)
      differing += rgbOfPixel(ScreenSurface, x, y) != rgbOfPixel(titleImage, x, y) && !onBadge(x, y);
  EXPECT_EQ(differing, 0);
}

class SubmitTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    for (int i = 0; i < kScoreEntries; ++i) {
      scoreValues[i] = 100 * (kScoreEntries - i);  // 1000 … 100
      scoreNames[i] = "OLD";
    }
  }
  SavedScoreTable savedTable;
};

TEST_F(SubmitTest, AScoreThatDoesNotBeatTheTableGoesToTheListWhichSaysSoAfterAGameOnly) {
  // No game played yet: key 7 on the title leads to the list, which says nothing of a score.
  EXPECT_TRUE(press(SDLK_7));
  runPasses(2, 10);
  EXPECT_EQ(std::tuple(GameState, missedTableLabel.text), std::tuple(Scores, ""));
  GameState = Title;
  EXPECT_TRUE(press(SDLK_1));
  player.setScore(100);  // equal to the tenth entry
  EXPECT_TRUE(press(SDLK_7));
  playerName = "AB";
  runPasses(2, 10);
  EXPECT_EQ(std::tuple(GameState, playerName, missedTableLabel.text),
            std::tuple(Scores, "AB", "Your score did not make the table"));
  // The list reached from the title says nothing of the kind.
  EXPECT_TRUE(press(SDLK_1));
  EXPECT_TRUE(press(SDLK_5));
  runPasses(2, 10);
  EXPECT_EQ(missedTableLabel.text, "");
  // With a full name in that same pass, the refused entry still ends on the list screen.
  GameState = Submit;
  playerName = "ABC";
  runPasses(1, 10);
  EXPECT_EQ(std::tuple(GameState, scoreNames[9]), std::tuple(Scores, "OLD"));
}

TEST_F(SubmitTest, LettersTypedBeforeKeySevenAreDroppedAndABrisklyTypedNameReachesTheListAndBothFiles) {
  player.setScore(5000);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(press(SDLK_z));  // on the title no name is entered
  EXPECT_EQ(playerName, "");
  EXPECT_TRUE(press(SDLK_7));
  for (SDLKey letter : {SDLK_a, SDLK_b, SDLK_c}) {  // typed 120 ms apart, at 20 ms passes
    tapKey(letter);
    runPasses(6, 20);
  }
  EXPECT_EQ(std::tuple(GameState, playerName, scoreLabels[0].text), std::tuple(Scores, "", "ABC - 5000"));
  EXPECT_EQ(readFile("scoredata.txt"), "5000\n1000\n900\n800\n700\n600\n500\n400\n300\n200\n");
  EXPECT_EQ(readFile("scorenames.txt"), "ABC\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\n");
}

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

// What one read of the events asks for plays in the order read, at the tick the
// loop hands over, whatever the clock says by then: a run and a jump read with a
// focus loss still start, then the game pauses.
TEST_F(ShellTest, CommandsPlayInTheOrderReadAtTheTickHanded) {
  GameState = Playing;
  player.jum = false;
  pushKey(SDLK_RIGHT, true);
  pushKey(SDLK_UP, true);
  focus(0);
  EXPECT_TRUE(handleEvents());
  const uint32_t passTick = nowMs();
  gameClock.advance(40);
  commands.apply({passTick, 16.0f});
  EXPECT_EQ(std::tuple(player.speedx, player.jum, player.jumpStart, pauseScreen.active()),
            std::tuple(3.0f, true, passTick, true));
  pauseScreen.resume();
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
  EXPECT_TRUE(readInput());
  EXPECT_FALSE(pauseScreen.active());
  pauseScreen.toggle();  // as a focus loss in play does (the commands test)
  // While paused the hero's keys wait; key 1 leaves for the title and ends the pause.
  player.jum = false;
  EXPECT_TRUE(press(SDLK_SPACE));
  EXPECT_FALSE(player.jum);
  EXPECT_TRUE(press(SDLK_1));
  EXPECT_EQ(std::pair(GameState, gameClock.paused()), std::pair(int32_t(Title), false));
}
