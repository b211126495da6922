// thornwald-bench: start-up time, the cost of a play pass and memory, each as a
// ratio to something measured in the same run, so a busy machine moves them little;
// and the CPU share of paced play.
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

double msSince(WallClock::time_point t) {
  return std::chrono::duration<double, std::milli>(WallClock::now() - t).count();
}

double decodeEveryPictureOnceMs() {
  std::vector<std::string> files;
  if (DIR* d = opendir("pics")) {
    while (dirent* e = readdir(d)) {
      std::string name = e->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) files.push_back("pics/" + name);
    }
    closedir(d);
  }
  auto t = WallClock::now();
  for (const std::string& f : files) SDL_FreeSurface(IMG_Load(f.c_str()));
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

std::vector<double> playPassesMs() {
  gameClock.useFake(nowMs());
  startNewGame();
  lastFrameTick = nowMs();
  std::vector<double> times;
  for (int i = 0; i < kFramePasses; ++i) {
    scriptedKeys(i);
    handleEvents();
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
  // The levels are still being painted behind the title: memory counts once
  // they are done, and nothing else may compete with the decoding measured next.
  levelBuild.finish();
  size_t resident = residentBytes();
  double decodeMs = decodeEveryPictureOnceMs();
  size_t pictures = pictureBytes();

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
  std::printf("resident_mib %.1f\n", double(resident) / (1 << 20));
  std::printf("picture_mib %.1f\n", double(pictures) / (1 << 20));
  std::printf("startup_ratio %.2f\n", startupMs / decodeMs);
  std::printf("frame_ratio %.2f\n", mean / copyMs);
  std::printf("memory_ratio %.3f\n", double(resident) / double(pictures));
  std::printf("cpu_per_play_second %.3f\n", cpuShare);
  return 0;
}
