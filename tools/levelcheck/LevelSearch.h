#pragma once
// Searches the places a hero can stand in a level, starting where a level
// starts, moving only with the game's own movement code and never touching a
// hazard or a deadly trap.
#include <set>
#include <utility>
#include <vector>

#include "HeroSim.h"
#include "Route.h"

struct SearchResult {
  bool exitReachable = false;
  Route exitRoute;               // key presses from the level start to the exit
  std::set<int> reached;         // extras touched on some safe path
  std::vector<std::pair<int, int>> standingPlaces;  // hero sprite corners, level pixels
  std::vector<Target> targets;                      // every extra as placed
};

// Runs the search on `levels[level]` from the hero's state at the level start
// (`start`, or as a new game leaves it); with `untilExit` it stops at the first
// way to the exit.
SearchResult searchLevel(int level, bool untilExit = false, const HeroState* start = nullptr);
