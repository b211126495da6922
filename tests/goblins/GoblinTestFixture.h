#pragma once
// A goblin of the test's own, and a fresh hero after it.
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "goblins/Goblin.h"
#include "platform/Clock.h"
#include "player/Player.h"

class GoblinTest : public testing::Test {
 protected:
  void TearDown() override {
    Mix_FreeChunk(goblin.soundLanding);  // a pool goblin keeps its sound for good; this one is gone
  }
  void setKind(int kind) {
    goblin.kind = kind;
    goblin.isKind0 = kind == 0;
    goblin.isKind1 = kind == 1;
    goblin.isKind2 = kind == 2;
  }
  SavedGameState saved;  // a fresh hero after
  Goblin goblin;
};
