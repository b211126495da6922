#include "TestSupport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/Clock.h"
#include "scores/HighScores.h"
#include "shell/MainLoop.h"

namespace fs = std::filesystem;

fs::path makeScratchGameDir(const fs::path& gameDir) {
  char pattern[] = "/tmp/thornwald-tests-XXXXXX";
  fs::path dir = mkdtemp(pattern);
  for (const char* name : {"pics", "sound", "BoldFaceLie.TTF", "level0.txt", "level1.txt", "level2.txt",
                           "level3.txt", "level4.txt"}) {
    if (fs::exists(gameDir / name)) fs::create_symlink(gameDir / name, dir / name);
  }
  return dir;
}

void tapKey(SDLKey key) {
  pushKey(key, true);
  pushKey(key, false);
}

SDL_Surface* makeRgbaSurface(int w, int h, uint32_t pixel) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, w, h, 32, 0x000000FF, 0x0000FF00,
                                        0x00FF0000, 0xFF000000);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) putPixel32(s, x, y, pixel);
  return s;
}

void putPixel32(SDL_Surface* s, int x, int y, uint32_t pixel) {
  *reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * 4) = pixel;
}

uint32_t getPixel32(SDL_Surface* s, int x, int y) {
  return *reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * 4);
}

StdoutCapture::StdoutCapture() {
  std::fflush(stdout);
  char pattern[] = "/tmp/thornwald-stdout-XXXXXX";
  int fd = mkstemp(pattern);
  path = pattern;
  savedFd = dup(1);
  dup2(fd, 1);
  close(fd);
}

std::string StdoutCapture::text() {
  if (!done) {
    std::fflush(stdout);
    dup2(savedFd, 1);
    close(savedFd);
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    captured = s.str();
    std::remove(path.c_str());
    done = true;
  }
  return captured;
}

StdoutCapture::~StdoutCapture() { text(); }

void runPasses(int passes, uint32_t stepMs) {
  for (int i = 0; i < passes; ++i) {
    gameClock.advance(stepMs);
    runPass();
  }
}

SavedScoreTable::SavedScoreTable() {
  for (int i = 0; i < kScoreEntries; ++i) {
    values[i] = scoreValues[i];
    names[i] = scoreNames[i];
    scoreValues[i] = 0;
    scoreNames[i].clear();
  }
}

SavedScoreTable::~SavedScoreTable() {
  for (int i = 0; i < kScoreEntries; ++i) {
    scoreValues[i] = values[i];
    scoreNames[i] = names[i];
  }
  saveScores();
  renderScores();
}
