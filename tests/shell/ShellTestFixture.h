#pragma once
// Starts every shell test on the title with a fresh hero, and puts the game back after.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "player/Player.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/Input.h"
#include "shell/PauseScreen.h"

class ShellTest : public testing::Test {
 protected:
  void SetUp() override { resetGame(); }

  static void resetGame() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    pauseScreen.resume();
    player.reset(nowMs());
    GameState = Title;
    wildRules = false;  // key 8 on the title switches them
    levelIndex = 0;
    playerName.clear();
    nameDelay = 0;
    nameEntryShown = false;
  }

  // Presses (and releases) a key and lets the game handle it.
  static bool press(SDLKey key) {
    tapKey(key);
    return readInput();
  }
  SavedGameState saved;
};
