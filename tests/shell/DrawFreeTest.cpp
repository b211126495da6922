// A draw changes nothing: passes of play with drawing and the same passes without
// it, from the same start, end in the same game, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "TestSupport.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "player/View.h"
#include "shell/GameFlow.h"
#include "shell/Progression.h"
#include "shell/Screens.h"

namespace {
const int kLevel = 1;  // goblins at hand, nuts, thorns and cages

// The hero, the goblins, the extras and the view as raw bytes; the pictures they point to
// stay put. The view belongs in: under the wild rules goblins wake as they show in it.
std::string moverBytes() {
  return std::string(reinterpret_cast<const char*>(&player), sizeof player) +
         std::string(reinterpret_cast<const char*>(goblins), sizeof goblins) +
         std::string(reinterpret_cast<const char*>(extras), sizeof extras) +
         std::string(reinterpret_cast<const char*>(&view), sizeof view);
}
void loadMovers(const std::string& b) {
  size_t at = 0;
  for (auto [to, size] : {std::pair<void*, size_t>{&player, sizeof player},
                          {goblins, sizeof goblins},
                          {extras, sizeof extras},
                          {&view, sizeof view}}) {
    std::memcpy(to, b.data() + at, size);
    at += size;
  }
}

// From `start` the hero runs right, jumping and swinging now and then; what the
// passes leave, with the screen shown and the next random number.
std::string play(const std::string& start, SDL_Surface* screen) {
  loadMovers(start);
  gameClock.useFake(kTestStartTick);
  std::srand(27);
  GameState = Playing;
  levels[kLevel].restartTimer(nowMs());
  for (int pass = 0; pass < 900 && GameState == Playing; ++pass) {
    gameClock.advance(16);
    if (pass == 0) player.runRight();
    if (pass % 45 == 10) player.jump(nowMs());
    if (pass % 20 == 0) contacts.swing(nowMs());
    if (pass % 20 == 5) player.stopAttack();
    playPass({nowMs(), 16.0f}, screen);
  }
  return moverBytes() + std::to_string(GameState) + " " + std::to_string(std::rand());
}
}  // namespace

TEST(DrawFreeTest, PlayDrawnAndUndrawnEndsInTheSameGame) {
  SavedGameState saved;
  Picture screen = rgbaPicture(640, 480, 0xFF000000);
  levelBuild.waitFor(kLevel);
  levelIndex = kLevel;
  for (bool wild : {false, true}) {
    wildRules = wild;
    player.reset(nowMs());
    respawnLevelObjects();
    const std::string start = moverBytes(), drawn = play(start, screen.get());
    EXPECT_GT(player.getScore() + player.getNuts(), 0) << "the hero met nothing";
    EXPECT_TRUE(drawn == play(start, nullptr)) << (wild ? "wild" : "classic");
  }
}
