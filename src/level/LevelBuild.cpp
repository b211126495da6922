#include "level/LevelBuild.h"

#include <system_error>

#include "level/Level.h"

namespace {
void paintEveryLevel() {
  for (int i = 0; i < kLevelCount; ++i) levels[i].load(i);
}
}  // namespace

void LevelBuild::start() {
  finish();
  try {
    painter = std::thread(paintEveryLevel);
  } catch (const std::system_error&) {
    paintEveryLevel();
  }
}

void LevelBuild::finish() {
  if (painter.joinable()) painter.join();
}
