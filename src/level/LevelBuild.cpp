#include "level/LevelBuild.h"

#include <climits>
#include <system_error>

namespace {
bool isLevel(int n) { return n >= 0 && n < kLevelCount; }

// Pixel rows a pass paints where no painter thread can be had (the browser): a
// slice costs a few ms there, so the passes keep their pace.
const int kRowsPerPass = 24;
}  // namespace

void LevelBuild::prepare(int n) {
  if (n == wanted) {
    paintSlice(kRowsPerPass);
    return;
  }
  // A level sliced but no longer wanted is dropped, not finished in one long pass.
  if (slicing >= 0) levels[slicing].unpaint();
  slicing = -1;
  // The painter only ever paints the wanted level, which is about to change.
  finish();
  for (int i = 0; i < kLevelCount; ++i)
    if (i != n && painted[i]) {
      painted[i] = false;
      levels[i].unpaint();
    }
  wanted = isLevel(n) ? n : -1;
  if (wanted < 0 || painted[n]) return;
  auto paint = [this, n] {
    levels[n].paint(n);
    painted[n] = true;
  };
  try {
    painter = std::thread(paint);
  } catch (const std::system_error&) {
    levels[n].startPaint(n);  // painted a slice a pass from the next one on
    slicing = n;
  }
}

void LevelBuild::paintSlice(int rows) {
  if (slicing < 0 || !levels[slicing].paintRows(rows)) return;
  painted[slicing] = true;
  slicing = -1;
}

void LevelBuild::waitFor(int n) {
  prepare(n);
  if (!ready(n)) finish();
}

bool LevelBuild::ready(int n) const { return !holding && isLevel(n) && painted[n]; }

void LevelBuild::run(void (*job)()) {
  waitFor(0);  // the title's level is wanted, so the passes never wait on the job
  holding = true;
  painter = std::thread([this, job] {
    job();
    holding = false;
  });
}

void LevelBuild::finish() {
  if (painter.joinable()) painter.join();
  paintSlice(INT_MAX);
}
