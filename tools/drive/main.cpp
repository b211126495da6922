// thornwald-drive SECONDS SEED [--memory]: plays SECONDS of simulated time with
// random key presses (every key but Escape) on every screen, headless, with a
// fake clock. Fails when a score file stops being ten lines, and with
// --memory when resident memory, besides the level pictures, grows between the
// second and the last minute.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Harness.h"
#include "RandomKeys.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "platform/Image.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/MainLoop.h"
#include "shell/Startup.h"

namespace {
const uint32_t kMinuteMs = 60000;
const uint32_t kPlayBeforeExitMs = 25000;  // then the hero is put at the exit, so the statistics show too
#ifdef __SANITIZE_ADDRESS__
// The sanitizer's allocator holds freed blocks in a quarantine and reuses memory
// less tightly, so resident memory wanders by a few megabytes.
const size_t kAllowedGrowth = 16u << 20;  // bytes
#else
const size_t kAllowedGrowth = 4u << 20;  // bytes: glyph caches and the like settle early
#endif

// A score file the game cannot write (a folder in its place) is left as it is.
bool wholeOrUnwritable(const char* path) {
  struct stat info;
  return (stat(path, &info) == 0 && S_ISDIR(info.st_mode)) || countLines(path) == 10;
}

bool scoreFilesWhole() { return wholeOrUnwritable("scoredata.txt") && wholeOrUnwritable("scorenames.txt"); }

// Puts the hero right at the level exit's touch point.
void visitExit() {
  player.setX(6725.0f - 295.0f);
  player.setY(645.0f - 215.0f);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: thornwald-drive SECONDS SEED [--memory]\n");
    return 2;
  }
  const uint32_t totalMs = uint32_t(std::atoi(argv[1])) * 1000u;
  const unsigned seed = unsigned(std::atoi(argv[2]));
  const bool checkMemory = argc > 3 && std::string(argv[3]) == "--memory";
  useDummyDrivers();
  gameClock.useFake(1000);
  int status = startUp();
  if (status != 0) return status;
  RandomKeys keys(seed);
  uint32_t elapsed = 0, playingMs = 0, nextMinute = kMinuteMs;
  size_t rssMinute2 = 0, rssLast = 0;
  int minute = 0;
  while (elapsed < totalMs) {
    uint32_t step = keys.frameMs();
    keys.pressSome();
    gameClock.advance(step);
    elapsed += step;
    playingMs = GameState == Playing ? playingMs + step : 0;
    if (playingMs > kPlayBeforeExitMs) {
      visitExit();
      playingMs = 0;
    }
    if (!runPass()) {
      std::printf("the game asked to quit without Escape\n");
      return 1;
    }
    if (elapsed >= nextMinute) {
      nextMinute += kMinuteMs;
      ++minute;
      // The level pictures come and go with the levels, one level at most: they
      // are left out, once the painter is done, so only a leak shows as growth.
      levelBuild.finish();
      rssLast = residentBytes() - privatePictureBytes();
      if (minute == 2) rssMinute2 = rssLast;
      std::printf("minute %d: state %d, level %d, resident besides the level pictures %zu KiB\n", minute,
                  GameState, levelIndex, rssLast / 1024);
      if (!scoreFilesWhole()) {
        std::printf("a score file is not ten lines\n");
        return 1;
      }
    }
  }
  if (!scoreFilesWhole()) {
    std::printf("a score file is not ten lines\n");
    return 1;
  }
  if (checkMemory && minute >= 3 && rssLast > rssMinute2 + kAllowedGrowth) {
    std::printf("memory grew from %zu KiB to %zu KiB\n", rssMinute2 / 1024, rssLast / 1024);
    return 1;
  }
  std::printf("drive: %u simulated seconds, 1 passed, 0 failed\n", totalMs / 1000);
  return 0;
}
