#pragma once
// Plays levels the way the main loop runs them, with a fake clock, pressing the
// keys of the level checker's route to the exit as an expert would.
#include <cstdint>

#include "Route.h"

const int kMaxPasses = 20000;

// One pass the way the main loop runs it, with the keys handled first.
void pass();

// Runs passes until `done`; false when it never happens.
template <typename Done>
bool passUntil(Done done) {
  for (int i = 0; i < kMaxPasses; ++i) {
    if (done()) return true;
    pass();
  }
  return done();
}

// The checker's route from where the hero is, found without disturbing the game;
// empty when the hero cannot get to the exit unhurt from here.
Route routeFromHere(int level);
// Lets go of every key a route holds, at once.
void letGo();
// Does the hero's swing reach a goblin now?
bool goblinInReach();

// Plays the level being played to its exit: the checker's way, a swing at each
// goblin in reach, a weapon traded for health when low, and a new plan after
// each hurt (only the wild rules hurt on the checker's way). Adds the health it cost to `healthLost`;
// false when the exit is never reached.
bool playToExit(int level, int& healthLost);

// Starts `level` as a new game's hero would (full health, no weapon), the game's
// dice seeded with `seed`.
void startAsNewGame(int level, unsigned seed);

// Plays `level` from its start as a new game's hero (full health, no weapon),
// the same way every time (a fixed seed), under the rules chosen.
bool expertPlaysLevel(int level, int& healthLost);
