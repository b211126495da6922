#include "level/LevelBuild.h"

#include <system_error>

namespace {
bool isLevel(int n) { return n >= 0 && n < kLevelCount; }
}  // namespace

void LevelBuild::prepare(int n) {
  if (n == wanted) return;
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
    paint();
  }
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
}
