#pragma once
// Faults a player meets on a level's way to the exit that the search alone does
// not show: jumps that rise up through solid ground, extras sunk into it, views
// past the level's edge, and goblins posted where the hero starts or comes back.
#include "RouteFigures.h"

struct MapFaults {
  int popThroughs = 0;     // moves on the way that rise through a solid tile from below
  int extrasInGround = 0;  // thorns, traps, nuts, cages or the exit more than a fifth inside solid tiles
  int voidInView = 0;      // moves on the way during which the view shows past the level picture
  int unfairPosts = 0;     // goblin posts near the start or a cage (wild rules only)
  int total() const { return popThroughs + extrasInGround + voidInView + unfairPosts; }
};

// Counts the faults of `level` along the route `fig` found in `r`, naming each
// on standard output.
MapFaults findMapFaults(int level, const SearchResult& r, const RouteFigures& fig);
