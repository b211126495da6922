// Runs every test headless, against the game as start-up leaves it, with a fake
// clock, in a scratch directory that links to the game's files (so score files
// the tests write never touch the build).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "shell/Startup.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  fs::path gameDir = fs::current_path();
  fs::path scratch = makeScratchGameDir(gameDir);
  fs::current_path(scratch);
  gameClock.useFake(kTestStartTick);
  if (startUp() != 0) return 2;
  levelBuild.finish();  // tests look at the level pictures directly
  int result = RUN_ALL_TESTS();
  fs::current_path(gameDir);
  fs::remove_all(scratch);
  return result;
}
