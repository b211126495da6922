#pragma once
// A goblin of the test's own, and a fresh hero after it.
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "goblins/Goblin.h"
#include "platform/Clock.h"
#include "platform/Layout.h"
#include "player/Player.h"

class GoblinTest : public testing::Test {
 protected:
  void SetUp() override { player.reset(nowMs()); }  // the hero's view corner at (100, 100), unarmed
  void TearDown() override {
    Mix_FreeChunk(goblin.soundLanding);  // a pool goblin keeps its sound for good; this one is gone
  }
  void setKind(int kind) {
    std::tie(goblin.kind, goblin.isKind0, goblin.isKind1, goblin.isKind2) =
        std::tuple(kind, kind == 0, kind == 1, kind == 2);
  }
  SavedGameState saved;  // a fresh hero after
  Goblin goblin;
};
