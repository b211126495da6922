#include "shell/MainLoop.h"

#include "level/LevelBuild.h"
#include "platform/Blit.h"
#include "platform/Clock.h"
#include "platform/Video.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/Input.h"
#include "shell/PauseScreen.h"
#include "shell/Progression.h"
#include "shell/Screens.h"
#include "shell/Shop.h"

namespace {
// About 60 passes a second. Positions are rounded to whole pixels after every
// move, so much shorter frames would stall or speed up the hero and goblins;
// at this step every goblin kind moves and the hero runs and jumps as meant.
const uint32_t kFrameStepMs = 16;
}  // namespace

void waitForFrameStep() { gameClock.waitUntil(lastFrameTick + kFrameStepMs); }

// The unsigned difference survives a wrap of the timer.
float measureFrame() {
  uint32_t now = nowMs();
  float frameMs = static_cast<float>(static_cast<uint32_t>(now - lastFrameTick));
  lastFrameTick = nowMs();
  return frameMs;
}

void runScreenPass(float frameMs) {
  // The one read of the game time for the whole pass: everything below plays this tick.
  const Tick tick = {nowMs(), frameMs};
  // Nothing of the game runs while paused; game time stands still as well.
  if (pauseScreen.active()) {
    pauseScreen.draw();
    return;
  }
  // Frees the level just finished and starts painting the next one.
  levelBuild.prepare(levelToPaint());
  switch (GameState) {
    case Title:
      actOnTitle();
      titlePass();
      startWaitingGame();
      break;
    case Instructions:
      picturePass(instructionsImage);
      break;
    case Story:
      picturePass(storyImage);
      break;
    case About:
      picturePass(aboutImage);
      break;
    case Playing:
      playingPass(tick);
      break;
    case Submit:
      actOnNameEntry(frameMs);
      submitPass();
      break;
    case LevelStats:
      levelStatsPass();
      break;
    case Shop:
      if (shopPass(tick)) leaveShop();
      break;
    case Scores:
      scoresPass();
      break;
    case Victory:
      victoryPass();
      break;
    default:
      break;
  }
}

void playCommandsNow() { commands.apply({nowMs(), 0.0f}); }

bool runPass() {
  // A fast machine waits here; a slow one goes on at once with its real frame time.
  waitForFrameStep();
  float frameMs = measureFrame();
  runScreenPass(frameMs);
  if (ScreenSurface) showScreen(ScreenSurface);
  const bool goOn = handleEvents();
  // What the keys and the pad asked for acts after the pass just shown and before
  // the next, at the time it is handled: a jump starts when its key is read, not
  // at the tick the pass began. On the fake clock both are the same.
  playCommandsNow();
  return goOn;
}
