// A draw changes nothing: passes of play with drawing and the same passes without
// it, from the same start, end in the same game, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "TestSupport.h"
#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "play/Contacts.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/Progression.h"
#include "shell/Screens.h"

namespace {
const int kLevel = 1;  // goblins at hand, nuts, thorns and cages
const int kPasses = 900;
const uint32_t kPassMs = 16;

// The raw bytes of the hero, the goblins and the extras: the pictures they point
// to are the same in every run.
struct Movers {
  char bytes[sizeof player + sizeof goblins + sizeof extras];
  void save() {
    std::memcpy(bytes, static_cast<void*>(&player), sizeof player);
    std::memcpy(bytes + sizeof player, static_cast<void*>(goblins), sizeof goblins);
    std::memcpy(bytes + sizeof player + sizeof goblins, static_cast<void*>(extras), sizeof extras);
  }
  void load() const {
    std::memcpy(static_cast<void*>(&player), bytes, sizeof player);
    std::memcpy(static_cast<void*>(goblins), bytes + sizeof player, sizeof goblins);
    std::memcpy(static_cast<void*>(extras), bytes + sizeof player + sizeof goblins, sizeof extras);
  }
};

// The hero runs right, jumps now and then and swings at what comes.
void act(int pass, uint32_t now) {
  if (pass == 0) player.runRight();
  if (pass % 45 == 10) player.jump(now);
  if (pass % 20 == 0) contacts.swing(now);
  if (pass % 20 == 5) player.stopAttack();
}

// The passes from `start`; what they leave: the movers, the counters, the next random number.
std::string play(const Movers& start, SDL_Surface* screen) {
  start.load();
  gameClock.useFake(kTestStartTick);
  std::srand(27);
  GameState = Playing;
  levels[kLevel].restartTimer(nowMs());
  for (int pass = 0; pass < kPasses && GameState == Playing; ++pass) {
    gameClock.advance(kPassMs);
    act(pass, nowMs());
    playPass({nowMs(), static_cast<float>(kPassMs)}, screen);
  }
  Movers end;
  end.save();
  return std::string(end.bytes, sizeof end.bytes) + " " + std::to_string(GameState) + " " +
         std::to_string(std::rand());
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
    Movers start;
    start.save();
    std::string drawn = play(start, screen.get());
    EXPECT_GT(player.getScore() + player.getNuts(), 0) << "the hero met nothing";
    std::string undrawn = play(start, nullptr);
    EXPECT_TRUE(drawn == undrawn) << (wild ? "wild" : "classic");
  }
}
