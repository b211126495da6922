#pragma once
// Faults of the main way (the cheapest way to the exit, as RouteFigures finds it)
// that a new player under the wild rules meets: hazards that show too late, rises
// and far walls beyond a jump, ledges too narrow to land on, and traps by a landing
// that could not be seen when the jump was made.
#include "RouteFigures.h"

struct WayFaults {
  // Thorns and traps the hero, running on the way at full speed, comes within reach
  // of (the game's touch, with him up to a tile to either side) less than kSeenEarlyMs after
  // they first showed in the wild view (the led view, below the status band).
  int unseenHazards = 0;
  // Moves on the way that land more than kTightRisePx above their take-off floor, or
  // jumps whose gap (air at the landing floor's height, just before the landing ledge)
  // has a far wall, from the ground at its foot to the landing floor, higher than a jump.
  int tightRises = 0;
  // Floors the way lands on (a jump, a fall or the start) with less than
  // kLandingRoomPx of standing room: the run of foot places on that floor, at its
  // height, without a wall or a hazard.
  int narrowLandings = 0;
  // Thorns and traps within kBlindTrapPx (on each axis) of the hero's landing point
  // of a jump on the way that were not in the wild view at the jump's take-off.
  int blindTraps = 0;
  int total() const { return unseenHazards + tightRises + narrowLandings + blindTraps; }
};

// Counts the way faults of `level` along the way `fig` found in `r`, naming each
// once on standard output. The lead of the view is eased frame by frame along the
// way from 0 at the level start, as the game eases it.
WayFaults findWayFaults(int level, const SearchResult& r, const RouteFigures& fig);
