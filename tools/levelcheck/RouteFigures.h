#pragma once
// Figures that say how hard a level is, taken from a full search: the
// quickest way to the exit with the fewest jumps, and the places from which
// the exit cannot be reached any more.
#include <utility>
#include <vector>

#include "LevelSearch.h"

struct RouteFigures {
  bool found = false;
  int frames = 0;    // from the level start to the exit, at kRouteFrameMs a frame
  int acrossPx = 0;  // horizontal distance run between the places on the way
  int jumps = 0;
  // The narrowest take-off window of a jump on the route, px: how far the
  // take-off can move and the hero still lands on the same floor unhurt. -1 without jumps.
  int narrowestMarginPx = -1;
  std::vector<int> path;   // the places on the way, from the start
  std::vector<int> moves;  // the moves on the way, in order: indices into SearchResult::edges
  // Each jump on the way: where it takes off, and its margin in px.
  std::vector<std::pair<std::pair<int, int>, int>> jumpsAt;
};

// Looks for the cheapest way through the search's places (a jump costs as
// much as kJumpCostFrames of running) and measures its jumps on `level`.
RouteFigures measureRoute(int level, const SearchResult& r);

// The cheapest way (a jump costs as much as kJumpCostFrames of running) from
// place `from` to each place, or with `toExit` from each place to the exit.
// Indexed by place, the exit last: its cost, -1 where there is no way, and the
// edge it comes by (toward the exit: the edge it leaves by). With `sight` (hero
// sprite corners, level px) the ways go on only from places inside it.
struct Ways {
  std::vector<long> cost;
  std::vector<int> via;  // indices into SearchResult::edges
};
Ways cheapestWays(const SearchResult& r, bool toExit = false, int from = 0, const SDL_Rect* sight = nullptr);

// Places (indices into r.places) from which no chain of moves reaches the exit.
std::vector<int> deadEnds(const SearchResult& r);
