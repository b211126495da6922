#include "extras/Extra.h"
#include "extras/LevelExtras.h"
#include "state/GameState.h"
#include "state/Rules.h"

namespace {

// A run of pool indices of one type; x and y change by their steps from one
// index to the next.
struct PlacementRun {
  int first;
  int count;
  int type;
  int x0;
  int xStep;
  int y0;
  int yStep;
};

// The classic rules: every level has the same extras at the same places (px).
// Index 53 has no run.
const PlacementRun kPlacement[] = {
    {0, 1, LevelExit, 6650, 0, 570, 0},
    {1, 5, Hazard, 900, 50, 1100, 0},
    {6, 5, Hazard, 2450, 50, 850, 0},
    {11, 2, Hazard, 2350, 50, 850, 0},
    {13, 2, Hazard, 2700, 50, 850, 0},
    {15, 2, Hazard, 3600, 50, 900, 0},
    {17, 1, DeadlyHazard, 50, 0, 1100, 0},
    {18, 1, Hazard, 850, 0, 1100, 0},
    {19, 3, Hazard, 200, -50, 1100, 0},
    {22, 5, Hazard, 3800, 50, 850, 0},
    {27, 1, Hazard, 3750, 0, 850, 0},
    {28, 13, Hazard, 4650, 50, 850, 0},
    {41, 12, DeadlyHazard, 5350, 50, 850, 0},
    {54, 3, Hazard, 2300, -50, 850, 0},
    {57, 3, Hazard, 2800, 50, 850, 0},
    {60, 6, Hazard, 4400, 50, 850, 0},
    {66, 1, Nut, 150, 0, 750, 0},
    {67, 1, Nut, 1000, 0, 1000, 0},
    {68, 1, Nut, 650, 0, 600, 0},
    {69, 3, Nut, 1300, 50, 600, 0},
    {72, 1, Nut, 1700, 0, 600, 0},
    {73, 4, Nut, 2100, 100, 450, 0},
    {77, 1, Nut, 2700, 0, 700, 0},
    {78, 1, Nut, 3200, 0, 850, 0},
    {79, 1, Nut, 3100, 0, 600, 0},
    {80, 1, Nut, 3400, 0, 600, 0},
    {81, 1, Nut, 3100, 0, 500, 0},
    {82, 1, Nut, 3150, 0, 250, 0},
    {83, 4, Nut, 3800, 50, 300, 50},
    {87, 1, Nut, 4650, 0, 700, 0},
    {88, 1, Nut, 4600, 0, 450, 0},
    {89, 4, Nut, 5650, 50, 500, 50},
    {93, 1, Nut, 6150, 0, 500, 0},
    {94, 1, Animal, 300, 0, 330, 0},
    {95, 1, Animal, 3400, 0, 430, 0},
    {96, 1, Animal, 4500, 0, 780, 0},
    {97, 1, Animal, 1400, 0, 1105, 0},
    {98, 1, Animal, 6550, 0, 655, 0},
    {99, 1, LevelExit, 6650, 0, 570, 0},
};

}  // namespace

void Extra::place(int poolIndex) { place(poolIndex, levelIndex); }

void Extra::place(int poolIndex, int level) {
  index = poolIndex;
  const std::vector<ExtraSpot>* own = rules().ownExtras ? levelExtras.of(level) : nullptr;
  if (own) {
    placeWild(*own);
  } else {
    placeClassic();
  }
  rescued = false;
  triggered = false;
  wilted = false;
  // A step-aside still running when the last level ended would otherwise finish
  // here and leave this hazard 50 px above its place for the whole level.
  hitTime = 0;
}

// Extra 53 keeps its type (0 from construction, an unknown type) and its place.
void Extra::placeClassic() {
  for (const PlacementRun& run : kPlacement) {
    const int step = index - run.first;
    if (step < 0 || step >= run.count) continue;
    type = run.type;
    x = run.x0 + step * run.xStep;
    y = run.y0 + step * run.yStep;
  }
}

// The pool keeps its size. Extra 53 stays without a place under both rules, so
// a classic game after a wild one finds it as it was; the extras a level does
// not use lie as it does, of no type at the top-left corner, inside the wall.
void Extra::placeWild(const std::vector<ExtraSpot>& own) {
  if (index == kPlacelessExtra) return;
  const int k = index < kPlacelessExtra ? index : index - 1;
  ExtraSpot spot = k < int(own.size()) ? own[k] : ExtraSpot{0, 0, 0};
  type = spot.type;
  x = spot.x;
  y = spot.y;
}
