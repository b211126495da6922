#pragma once
// A goblin of the test's own, and the hero's place put back around it.
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "goblins/Goblin.h"
#include "platform/Clock.h"
#include "player/Player.h"

class GoblinTest : public testing::Test {
 protected:
  void SetUp() override {
    savedX = playerX();
    savedY = playerY();
  }
  void TearDown() override {
    Mix_FreeChunk(goblin.soundLanding);  // a pool goblin keeps its sound for good; this one is gone
    setPlayerX(savedX);
    setPlayerY(savedY);
  }
  float savedX = 0.0f;
  float savedY = 0.0f;
  Goblin goblin;
};
