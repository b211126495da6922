// thornwald-bench: start-up time, the cost of a play pass and memory, each as a
// ratio to something measured in the same run, so a busy machine moves them little;
// the wait from key 1 to the first level's first frame, the peak of memory over a
// whole game, and the CPU share of paced play.
// Run in the game's working directory.
#include <SDL/SDL_image.h>
#include <dirent.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "Harness.h"
#include "extras/Extra.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "platform/Video.h"
#include "player/Player.h"
#include "shell/GameFlow.h"
#include "shell/Input.h"
#include "shell/MainLoop.h"
#include "shell/Progression.h"
#include "shell/Startup.h"

using WallClock = std::chrono::steady_clock;

namespace {
// Built before every other global object (which load pictures as they are built).
struct ProcessStart {
  WallClock::time_point at = WallClock::now();
};
ProcessStart processStart __attribute__((init_priority(101)));

const int kFramePasses = 3000;
const int kPacedPasses = 180;  // about three seconds of play at the frame step
const int kCopyRepeats = 300;
const int kPassesPerLevel = 600;        // about ten seconds of play in each level
const int kMaxShopPasses = 2000;        // a walk through the shop takes a few hundred
const float kExitX = 6725.0f - 295.0f;  // the view corner that puts the hero on the level exit
const float kExitY = 645.0f - 215.0f;

double msSince(WallClock::time_point t) {
  return std::chrono::duration<double, std::milli>(WallClock::now() - t).count();
}

// Decodes every picture file once; adds their bytes to `bytes`.
double decodeEveryPictureOnceMs(size_t& bytes) {
  std::vector<std::string> files;
  if (DIR* d = opendir("pics")) {
    while (dirent* e = readdir(d)) {
      std::string name = e->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) files.push_back("pics/" + name);
    }
    closedir(d);
  }
  auto t = WallClock::now();
  for (const std::string& f : files) {
    SDL_Surface* picture = IMG_Load(f.c_str());
    if (picture) bytes += size_t(picture->pitch) * picture->h;
    SDL_FreeSurface(picture);
  }
  return msSince(t);
}

double opaqueCopyMs() {
  SDL_Surface* screen = ScreenSurface;
  SDL_Surface* picture =
      SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, screen->format->BitsPerPixel, screen->format->Rmask,
                           screen->format->Gmask, screen->format->Bmask, 0);
  auto t = WallClock::now();
  for (int i = 0; i < kCopyRepeats; ++i) SDL_BlitSurface(picture, nullptr, screen, nullptr);
  double ms = msSince(t) / kCopyRepeats;
  SDL_FreeSurface(picture);
  return ms;
}

// Replayed input for the play passes: run right, jump now and then, swing.
void scriptedKeys(int pass) {
  auto key = pushKey;
  if (pass % 400 == 0) key(SDLK_RIGHT, true);
  if (pass % 400 == 300) key(SDLK_RIGHT, false);
  if (pass % 90 == 10) key(SDLK_SPACE, true), key(SDLK_SPACE, false);
  if (pass % 150 == 70) key(SDLK_LSHIFT, true);
  if (pass % 150 == 90) key(SDLK_LSHIFT, false);
}

// One pass as the main loop runs it, with the fake clock a frame step on.
void fakePass() {
  handleEvents();
  playCommandsNow();
  gameClock.advance(16);
  runScreenPass(measureFrame());
}

// Key 1 on the title, while the first level may still be being painted, to
// the first frame of that level.
double firstLevelMs() {
  pushKey(SDLK_1, true);
  pushKey(SDLK_1, false);
  auto t = WallClock::now();
  // Key 1 waits on the title ("Loading...") until level 0 is painted; the pass
  // after the game starts draws the level's first frame.
  bool playing = false;
  while (!playing) {
    playing = GameState == Playing;
    handleEvents();
    playCommandsNow();
    runScreenPass(measureFrame());
    SDL_Flip(ScreenSurface);
    if (!playing) SDL_Delay(1);
  }
  return msSince(t);
}

// A whole game along the game's road: each level played with the scripted keys,
// the hero put on its exit, the statistics, a walk through the shop into the
// next level; after the last shop, the victory screen and the name entry.
void playWholeGame() {
  gameClock.useFake(nowMs());
  for (int level = 0; level < kLevelCount && GameState == Playing; ++level) {
    for (int i = 0; i < kPassesPerLevel && GameState == Playing; ++i) {
      scriptedKeys(i);
      fakePass();
    }
    pushKey(SDLK_RIGHT, false);
    player.setX(kExitX);
    player.setY(kExitY);
    fakePass();
    pushKey(SDLK_SPACE, true);
    pushKey(SDLK_SPACE, false);
    pushKey(SDLK_RIGHT, true);
    for (int i = 0; i < kMaxShopPasses && (GameState == LevelStats || GameState == Shop); ++i) fakePass();
    pushKey(SDLK_RIGHT, false);
  }
  // The victory screen after the last shop; the action key goes on to the name entry.
  pushKey(SDLK_SPACE, true);
  pushKey(SDLK_SPACE, false);
  fakePass();
}

std::vector<double> playPassesMs() {
  gameClock.useFake(nowMs());
  startNewGame();
  lastFrameTick = nowMs();
  std::vector<double> times;
  for (int i = 0; i < kFramePasses; ++i) {
    scriptedKeys(i);
    handleEvents();
    playCommandsNow();
    if (GameState != Playing) startNewGame();
    gameClock.advance(16);
    float frameMs = measureFrame();
    auto t = WallClock::now();
    runScreenPass(frameMs);
    times.push_back(msSince(t));
  }
  return times;
}
double cpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// CPU seconds per second of play with the real clock: the main loop sleeps
// between passes, so this is mostly the passes' own work.
double cpuPerPlaySecond() {
  gameClock.useReal();
  startNewGame();
  lastFrameTick = nowMs();  // the whole game before ran on the fake clock, far ahead
  double cpu = cpuSeconds();
  auto t = WallClock::now();
  for (int i = 0; i < kPacedPasses; ++i) {
    scriptedKeys(i);
    if (GameState != Playing) startNewGame();
    runPass();
  }
  return (cpuSeconds() - cpu) / (msSince(t) / 1000.0);
}
}  // namespace

int main() {
  useDummyDrivers();
  if (startUp() != 0) return 1;
  runPass();  // the first title frame
  double startupMs = msSince(processStart.at);
  double levelMs = firstLevelMs();
  size_t resident = residentBytes();
  playWholeGame();
  bool wholeGame = GameState == Submit && levelIndex == kLevelCount - 1;
  size_t peak = peakResidentBytes();
  // Nothing may compete with the decoding measured next. What memory is measured
  // against: every picture decoded once, and one level's picture.
  levelBuild.finish();
  const SDL_Surface* background = levels[0].background;
  size_t pictures = background ? size_t(background->pitch) * background->h : 0;
  double decodeMs = decodeEveryPictureOnceMs(pictures);

  double copyMs = opaqueCopyMs();
  double cpuShare = cpuPerPlaySecond();
  std::vector<double> times = playPassesMs();
  double mean = 0;
  for (double t : times) mean += t;
  mean /= double(times.size());
  std::sort(times.begin(), times.end());
  double p99 = times[times.size() * 99 / 100];

  std::printf("startup_ms %.1f\n", startupMs);
  std::printf("decode_once_ms %.1f\n", decodeMs);
  std::printf("opaque_copy_ms %.3f\n", copyMs);
  std::printf("play_pass_mean_ms %.3f\n", mean);
  std::printf("play_pass_p99_ms %.3f\n", p99);
  std::printf("first_level_ms %.1f\n", levelMs);
  std::printf("resident_mib %.1f\n", double(resident) / (1 << 20));
  std::printf("peak_resident_mib %.1f%s\n", double(peak) / (1 << 20),
              wholeGame ? "" : " (the game ended early)");
  std::printf("picture_mib %.1f\n", double(pictures) / (1 << 20));
  std::printf("startup_ratio %.2f\n", startupMs / decodeMs);
  std::printf("frame_ratio %.2f\n", mean / copyMs);
  std::printf("memory_ratio %.3f\n", double(peak) / double(pictures));
  std::printf("cpu_per_play_second %.3f\n", cpuShare);
  return 0;
}
