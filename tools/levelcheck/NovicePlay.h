#pragma once
// The novice: a new player who has never seen the level. He knows only the ground
// the view has shown him and which way the exit arrow points; he heads for the exit
// once he has seen a way to it, and otherwise for the ground he has not stood on
// that lies nearest the exit. Each key he presses or lets go comes late, each hold
// and each take-off is a little off, and he swings only at a goblin in front of him
// that has stood in his reach a while.
#include <cstdint>
#include <random>
#include <vector>

#include "Route.h"

const int kNoviceLateMinMs = 150, kNoviceLateMaxMs = 300;  // every key of a plan comes this late
const int kNoviceHoldSlackMs = 80;     // every hold is its planned time, give or take this
const int kNoviceTakeOffSlackPx = 25;  // a jump with a run key held takes off this far early or late, at most
const float kNoviceRunPxPerMs = 0.3f;  // the hero's run, which turns a take-off error into time

// A key of a plan as the hands play it.
struct HandKey {
  Action action;
  bool down;
  uint32_t plannedMs;  // game time the plan wants it
  uint32_t aimMs;      // game time he means it, off the plan by his take-off error
  uint32_t atMs;       // game time the hands press or let go; the game's clock when it was handled
  int plan;            // which plan it belongs to, counted from 0
};

// Plays plans the way a new player's hands do, on the game's fake clock. The
// hands draw their lateness from a generator of their own, so the game's rand
// runs as it would.
class NoviceHands {
 public:
  explicit NoviceHands(unsigned seed);
  // Plays `plan`, its frame 0 at game time `startMs`, instead of what was left of the last.
  void follow(const Route& plan, uint32_t startMs);
  // One main-loop pass; the keys due in it are handled each at its own time.
  void pass();
  bool idle() const { return next == due.size(); }  // every key of the plan played

  std::vector<HandKey> played;  // every key played, in order

 private:
  std::mt19937 random;
  std::vector<HandKey> due;  // the plan's keys by the time they are played
  size_t next = 0;           // the first of them not played yet
  int plans = 0;
};

// How one try at a level went.
struct NoviceRun {
  bool finished = false;  // reached the exit with lives left before the level's clock ran out
  bool timedOut = false;
  bool fellOut = false;                  // fell below the level
  uint32_t ms = 0;                       // game time from the level start to the end of the try
  int healthLost = 0;                    // a lost life costs the health it had
  int falls = 0, bites = 0, thorns = 0;  // each threw him off his plan; a trap counts as a thorn
  int plans = 0;
  int endX = 0, endY = 0;  // the hero sprite's corner when the try ended, level px
};

// Plays `level` from its start as a new game's hero under the rules chosen; `seed`
// seeds both the game's rand and the novice's hands. With `played`, keeps every key he played.
NoviceRun novicePlaysLevel(int level, unsigned seed, std::vector<HandKey>* played = nullptr);
