#pragma once
#include <atomic>
#include <thread>

#include "level/Level.h"

// Keeps at most one level painted: the one played, or the one to be played
// next, painted on a helper thread while the title, the statistics or the shop
// show (where no thread can be had, a slice each pass instead). A finished
// level's pictures go as soon as nothing draws or probes them.
// Whatever draws or probes level n must call waitFor(n) first.
class LevelBuild {
 public:
  LevelBuild() = default;
  // Waits for the painter: it must not outlive the levels it paints.
  ~LevelBuild() { finish(); }
  LevelBuild(const LevelBuild&) = delete;
  LevelBuild& operator=(const LevelBuild&) = delete;

  // Level n is the one needed next: frees every other level's pictures and
  // starts painting n unless it is painted. An n outside the levels frees them all.
  // Called every pass: where no thread can be had, each call paints a slice.
  void prepare(int n);
  // Prepares n and returns once it is painted (painting it here if no thread can be had).
  void waitFor(int n);
  // True once level n is painted and may be drawn and probed.
  bool ready(int n) const;
  // Holds the painter with `job` instead of painting, so that no level is
  // ready until it ends (tests keep the title on "Loading" with it).
  void run(void (*job)());
  // Returns once the painter is idle (painting what is left of a sliced level).
  void finish();

 private:
  void paintSlice(int rows);

  std::thread painter;
  int slicing = -1;  // the level painted a slice a pass; -1 none
  int wanted = -1;   // the level kept or being painted; -1 none
  std::atomic<bool> painted[kLevelCount] = {};
  std::atomic<bool> holding{false};  // a test's job holds the painter
};

extern LevelBuild levelBuild;
