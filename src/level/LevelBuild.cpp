#include "level/LevelBuild.h"

#include <system_error>

#include "level/Level.h"

namespace {
void paintEveryLevel() {
  for (int i = 0; i < kLevelCount; ++i) levels[i].load(i);
}
}  // namespace

void LevelBuild::start() { run(paintEveryLevel); }

void LevelBuild::run(void (*job)()) {
  finish();
  painted = false;
  try {
    painter = std::thread(&LevelBuild::work, this, job);
  } catch (const std::system_error&) {
    work(job);
  }
}

void LevelBuild::work(void (*job)()) {
  job();
  painted = true;
}

void LevelBuild::finish() {
  if (painter.joinable()) painter.join();
}
