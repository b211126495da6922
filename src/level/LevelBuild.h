#pragma once
#include <atomic>
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
  // Runs `job` on the painter thread in place of the painting (tests hold the game
  // on "Loading" with it).
  void run(void (*job)());
  // Returns once every level is painted.
  void finish();
  // True once every level is painted, so finish() returns at once; never waits.
  bool ready() const { return painted || !painter.joinable(); }

 private:
  void work(void (*job)());

  std::thread painter;
  std::atomic<bool> painted{false};
};

extern LevelBuild levelBuild;
