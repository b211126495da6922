#include "TestSupport.h"

#include <SDL/SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "extras/Extra.h"
#include "goblins/Goblin.h"
#include "level/Level.h"
#include "level/LevelBuild.h"
#include "platform/Clock.h"
#include "player/Player.h"
#include "player/View.h"
#include "scores/HighScores.h"
#include "shell/Commands.h"
#include "shell/GameFlow.h"
#include "shell/Input.h"
#include "shell/MainLoop.h"
#include "shell/Progression.h"
#include "shell/Shop.h"

namespace fs = std::filesystem;

fs::path makeScratchGameDir(const fs::path& gameDir) {
  char pattern[] = "/tmp/thornwald-tests-XXXXXX";
  fs::path dir = mkdtemp(pattern);
  for (const char* name : {"pics", "sound", "BoldFaceLie.TTF", "level0.txt", "level1.txt", "level2.txt",
                           "level3.txt", "level4.txt", "level0-extras.txt", "level1-extras.txt",
                           "level2-extras.txt", "level3-extras.txt", "level4-extras.txt"}) {
    if (fs::exists(gameDir / name)) fs::create_symlink(gameDir / name, dir / name);
  }
  return dir;
}

void tapKey(SDLKey key) {
  pushKey(key, true);
  pushKey(key, false);
}

void tapAction(Action action) {
  pressAction(action);
  releaseAction(action);
}

bool readInput() {
  const bool goOn = handleEvents();
  playCommandsNow();
  return goOn;
}

SDL_Surface* makeRgbaSurface(int w, int h, uint32_t pixel) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, w, h, 32, 0x000000FF, 0x0000FF00,
                                        0x00FF0000, 0xFF000000);
  paintRect(s, 0, 0, w, h, pixel);
  return s;
}

static uint32_t* at32(SDL_Surface* s, int x, int y) {
  return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * 4);
}
void putPixel32(SDL_Surface* s, int x, int y, uint32_t pixel) { *at32(s, x, y) = pixel; }
uint32_t getPixel32(SDL_Surface* s, int x, int y) { return *at32(s, x, y); }

void paintRect(SDL_Surface* s, int x0, int y0, int x1, int y1, uint32_t pixel) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) putPixel32(s, x, y, pixel);
}

SDL_Surface* makeCellSheet(int w, int h, bool markerOnly) {
  SDL_Surface* s = makeRgbaSurface(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!markerOnly || (x % 50 >= 45 && y % 50 >= 45))
        putPixel32(s, x, y, cellColour(x / 50 * 50, y / 50 * 50));
  return s;
}

uint32_t rawPixel(SDL_Surface* s, int x, int y) {
  const auto* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
  uint32_t v = 0;
  for (int i = 0; i < s->format->BytesPerPixel; ++i) v |= uint32_t(p[i]) << (8 * i);
  return v;
}

uint32_t rgbOfPixel(SDL_Surface* s, int x, int y) {
  Uint8 r, g, b;
  SDL_GetRGB(rawPixel(s, x, y), s->format, &r, &g, &b);
  return r << 16 | g << 8 | b;
}

Picture loadPicture(const std::string& path) { return Picture(IMG_Load(path.c_str()), SDL_FreeSurface); }

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

StdoutCapture::StdoutCapture() { testing::internal::CaptureStdout(); }

std::string StdoutCapture::text() {
  if (!done) captured = testing::internal::GetCapturedStdout();
  done = true;
  return captured;
}

StdoutCapture::~StdoutCapture() { text(); }

void placeHero(float x, float y) { player.setX(x), player.setY(y); }

void runPasses(int passes, uint32_t stepMs) {
  for (int i = 0; i < passes; ++i) {
    gameClock.advance(stepMs);
    runPass();
  }
}

SavedScoreTable::SavedScoreTable() {
  loadScores();  // so the tests' own saves write their table rather than take the files'
  std::swap_ranges(std::begin(values), std::end(values), scoreValues);  // and leaves it empty
  std::swap_ranges(std::begin(names), std::end(names), scoreNames);
}

SavedScoreTable::~SavedScoreTable() {
  std::copy(std::begin(values), std::end(values), scoreValues);
  std::copy(std::begin(names), std::end(names), scoreNames);
  saveScores();
  renderScores();
}

static auto sharedGameState() {
  return std::tie(GameState, levelIndex, secondsLeft, nameDelay, weaponCost, armourCost, lastFrameTick,
                  playerName);
}

SavedGameState::SavedGameState() : shared(sharedGameState()) {
  for (int i = 0; i < kExtraCount; ++i) extraX[i] = extras[i].x, extraY[i] = extras[i].y;
  jumpChance = goblins[0].jumpChance;
  // Each test starts as the title does: level 0 painted, so key 1 starts at once.
  levelBuild.waitFor(0);
  forgetWaitingGame();
}

SavedGameState::~SavedGameState() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
  }
  // No run key left held, and no game under way, for the next test's new game.
  commands.clear();
  letGoAction(Action::RunLeft, nowMs());
  letGoAction(Action::RunRight, nowMs());
  gameUnderway = entryEndsGame = false;
  player.reset(nowMs());
  resetShop();
  wildRules = false;  // every start of the game plays the classic rules, and places their extras
  view.reset();
  for (Level& level : levels) level.clockMs = kLevelTimeMs;  // a wild level's own clock goes with its game
  for (int i = 0; i < kExtraCount; ++i) {
    extras[i].place(i);
    extras[i].x = extraX[i], extras[i].y = extraY[i];
  }
  sharedGameState() = shared;
  playEvents = PlayEvents{};
  for (Goblin& g : goblins) {
    g.jumpChance = jumpChance;
    g.waiting = false;  // one left at a wild level's post would stand still
  }
}
