#pragma once
// Faults a player meets on a level that the search alone does not show: jumps
// that rise up through solid ground, extras sunk into it, views past the level's
// edge, and goblins posted where the hero starts or comes back. They are looked
// for on every move the full search kept, not only on the way to the exit: a
// player who strays meets them too.
#include <vector>

#include "RouteFigures.h"

struct MapFaults {
  int popThroughs = 0;     // places a move from rises through a solid tile from below
  int extrasInGround = 0;  // thorns, traps, nuts, cages or the exit more than a fifth inside solid tiles
  int voidInView = 0;      // places a move from shows past the level picture in the view of the rules
  int unfairPosts = 0;     // goblin posts near the start or a cage (wild rules only)
  int popThroughsOnWay = 0, voidOnWay = 0;  // of the moves of the way to the exit
  int total() const { return popThroughs + extrasInGround + voidInView + unfairPosts; }
};

// Counts the faults of `level` over every move the full search `r` kept (and the
// fall at the start), naming each once, by the place its move starts from, on
// standard output.
// With `wayMoves` (indices into r.edges), the moves of the way are counted apart too.
MapFaults findMapFaults(int level, const SearchResult& r, const std::vector<int>& wayMoves = {});
