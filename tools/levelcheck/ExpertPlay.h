#pragma once
// Plays levels the way the main loop runs them, with a fake clock, pressing the
// keys of the level checker's route to the exit as an expert would.
#include <cstdint>
#include <functional>

#include "HeroSim.h"
#include "Route.h"

const int kMaxPasses = 20000;

// One pass the way the main loop runs it, with the commands asked for played first.
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

// Lets `think` search the level being played from where the hero is, without
// disturbing the game: the hero, the clock and the extras are put back after.
void thinkAhead(int level, const std::function<void(const HeroState&)>& think);

// Lets go of every key a route holds, at once.
void letGo();
// Does the hero's swing reach a goblin now?
bool goblinInReach();
// Queues a weapon level traded for health when health is low.
void tradeWhenLow();
// Health the last pass cost a hero who had `health` and `lives` before it: all of it for a lost life.
int healthCost(int health, int lives);

// Plays the level being played to its exit: the checker's way, a swing at each
// goblin in reach, a weapon traded for health when low, and a new plan after
// each hurt (only the wild rules hurt on the checker's way). Adds the health it cost to `healthLost`;
// false when the exit is never reached.
bool playToExit(int level, int& healthLost);

// Starts `level` for a new game's hero (full health, no weapon) under the rules
// chosen, the game's rand seeded with `seed`.
void startAsNewHero(int level, unsigned seed);

// Plays `level` from its start as a new game's hero (full health, no weapon),
// the same way every time (a fixed seed), under the rules chosen.
bool expertPlaysLevel(int level, int& healthLost);
