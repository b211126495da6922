#pragma once
#include <thread>

// Paints the five level maps on a helper thread, so that the title shows while
// they are painted. Whatever uses a level's pictures must call finish() first.
class LevelBuild {
 public:
  LevelBuild() = default;
  // Waits for the painter: it must not outlive the levels it paints.
  ~LevelBuild() { finish(); }
  LevelBuild(const LevelBuild&) = delete;
  LevelBuild& operator=(const LevelBuild&) = delete;

  // Starts painting every level; paints them here and now if no thread can be had.
  void start();
  // Returns once every level is painted.
  void finish();

 private:
  std::thread painter;
};

extern LevelBuild levelBuild;
