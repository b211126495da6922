#include "ShellTestFixture.h"
#include "platform/Video.h"
#include "scores/HighScores.h"
#include "shell/MainLoop.h"
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
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(press(SDLK_z));  // z types on the title, delay or not
  EXPECT_EQ(playerName, "ZZZZ");
  EXPECT_TRUE(press(SDLK_7));  // which clears the name and its delay, or ABC would not be saved
  for (SDLKey letter : {SDLK_a, SDLK_b, SDLK_c}) {  // typed 120 ms apart, at 20 ms passes
    tapKey(letter);
    runPasses(6, 20);
  }
  EXPECT_EQ(std::tuple(GameState, playerName, scoreLabels[0].text), std::tuple(Scores, "", "ABC - 5000"));
  EXPECT_EQ(readFile("scoredata.txt"), "5000\n1000\n900\n800\n700\n600\n500\n400\n300\n200\n");
  EXPECT_EQ(readFile("scorenames.txt"), "ABC\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\nOLD\n");
}
