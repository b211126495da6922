#pragma once
// Helpers shared by the tests.
#include <SDL/SDL.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "Harness.h"  // pushKey

const uint32_t kTestStartTick = 100000;  // ms; far from 0 so differences never go negative

// A fresh directory holding links to the game's files in `gameDir`.
std::filesystem::path makeScratchGameDir(const std::filesystem::path& gameDir);

// Press and release.
void tapKey(SDLKey key);

// A 32-bit RGBA surface (R in the lowest byte, as PNGs load) filled with `pixel`.
SDL_Surface* makeRgbaSurface(int w, int h, uint32_t pixel);
void putPixel32(SDL_Surface* s, int x, int y, uint32_t pixel);
uint32_t getPixel32(SDL_Surface* s, int x, int y);

// Captures what the code under test prints to standard output.
class StdoutCapture {
 public:
  StdoutCapture();
  ~StdoutCapture();
  std::string text();  // stops capturing and returns what was printed

 private:
  int savedFd = -1;
  std::string path;
  bool done = false;
  std::string captured;
};

// Saves the high-score table and empties it; puts it back, with its files and
// list lines, when the test is over.
class SavedScoreTable {
 public:
  SavedScoreTable();
  ~SavedScoreTable();

 private:
  int32_t values[10];
  std::string names[10];
};

// Runs `passes` main-loop passes, advancing the fake clock by `stepMs` before each.
void runPasses(int passes, uint32_t stepMs);
