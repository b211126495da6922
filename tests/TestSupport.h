#pragma once
// Helpers shared by the tests.
#include <SDL/SDL.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>

#include "Harness.h"  // pushKey
#include "extras/Extra.h"
#include "level/CollisionMap.h"
#include "platform/Clock.h"
#include "platform/Tick.h"
#include "shell/Actions.h"

const uint32_t kTestStartTick = 100000;  // ms; far from 0 so differences never go negative

// The tick a pass of `frameMs` plays at the test clock's time, as the main loop hands it down.
inline Tick tickNow(float frameMs = 0.0f) { return {nowMs(), frameMs}; }

// A fresh directory holding links to the game's files in `gameDir`.
std::filesystem::path makeScratchGameDir(const std::filesystem::path& gameDir);

// Press and release.
void tapKey(SDLKey key);
// Asks for the action and lets go, as a command for the next pass to play.
void tapAction(Action action);
// Reads the event queue and plays what it asked for at once, as the main loop
// does after a pass; false when the game is to end.
bool readInput();
// Puts an event of `type` on the queue once `fill` has set its fields.
template <typename Fill>
void pushEvent(Uint8 type, Fill fill) {
  SDL_Event e = {};
  e.type = type;
  fill(e);
  SDL_PushEvent(&e);
}

// A 32-bit RGBA surface (R in the lowest byte, as PNGs load) filled with `pixel`.
SDL_Surface* makeRgbaSurface(int w, int h, uint32_t pixel);
void putPixel32(SDL_Surface* s, int x, int y, uint32_t pixel);
uint32_t getPixel32(SDL_Surface* s, int x, int y);
// Sets every pixel of the rectangle [x0, x1) x [y0, y1) of a 32-bit surface to `pixel`.
void paintRect(SDL_Surface* s, int x0, int y0, int x1, int y1, uint32_t pixel);
// An opaque colour naming the sheet cell whose corner is (column, row), in px.
inline uint32_t cellColour(int column, int row) { return 0xFF000000u | row << 12 | column; }
// A sprite sheet of 50 px cells, each painted its cellColour; with `markerOnly` the cells
// are see-through but for a marker in their bottom-right corner.
SDL_Surface* makeCellSheet(int w, int h, bool markerOnly = false);
// The raw pixel value at (x, y) of a surface of any depth, the way the game compares
// it with a colour key.
uint32_t rawPixel(SDL_Surface* s, int x, int y);
// The colour at (x, y) of a surface of any depth, as 0xRRGGBB.
uint32_t rgbOfPixel(SDL_Surface* s, int x, int y);

// A surface freed when it goes out of scope.
using Picture = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;
inline Picture rgbaPicture(int w, int h, uint32_t pixel) {
  return {makeRgbaSurface(w, h, pixel), SDL_FreeSurface};
}
// The collision map the game makes of `picture`.
inline CollisionMap collisionOf(SDL_Surface* picture) {
  CollisionMap map;
  map.makeFrom(picture);
  return map;
}
// A picture file as IMG_Load gives it; null if unreadable.
Picture loadPicture(const std::string& path);

// The whole content of a file, byte for byte; empty if it cannot be read.
std::string readFile(const std::filesystem::path& file);

// Captures what the code under test prints to standard output.
class StdoutCapture {
 public:
  StdoutCapture();
  ~StdoutCapture();
  std::string text();  // stops capturing and returns what was printed

 private:
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
  int32_t values[10] = {};
  std::string names[10];
};

// Saves the shared game state (screen, level, clocks, costs, name, where the extras
// are) and puts it back when the test is over, with no event left queued, no run key held, a fresh
// hero, the shop's racks full, every extra placed afresh, the classic rules, and the
// goblin pool's jump chances with none left waiting at a post.
class SavedGameState {
 public:
  SavedGameState();
  ~SavedGameState();

 private:
  // Screen, level, seconds left, name delay, both prices, last frame tick, name.
  std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, uint32_t, std::string> shared;
  int extraX[kExtraCount], extraY[kExtraCount];  // placing leaves the extra without a place (53) where it is
  int jumpChance = 0;                            // the pool's; no spawn sets it
};

// Puts the hero's view corner at (x, y).
void placeHero(float x, float y);
// Runs `passes` main-loop passes, advancing the fake clock by `stepMs` before each.
void runPasses(int passes, uint32_t stepMs);
