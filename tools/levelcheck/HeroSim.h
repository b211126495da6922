#pragma once
// Runs the game's own hero movement against one level's collision map, frame
// by frame at a fixed kRouteFrameMs, and remembers what the hero touched.
#include <cstdint>
#include <vector>

#include "Route.h"
#include "level/CollisionMap.h"
#include "player/JumpGrace.h"

const float kLostBelowY = 1400.0f;  // px of view y; a hero below this has fallen out of the level

// The hero's moving parts and the clock they were measured against.
struct HeroState {
  float x, y, speedx, speedy;
  uint32_t jumpStart, slideStart, now;
  bool cro, jum, sli;
  uint8_t ori;
  JumpGrace jumpGrace;
};

// An extra as placed, and what touching it means for the search.
struct Target {
  int index, type, x, y;
};

class HeroSim {
 public:
  // Places the extras as `level` has them under the rules chosen (wildRules).
  HeroSim(const CollisionMap& collision, int level);

  void load(const HeroState& s);
  HeroState save() const;
  // One frame: the actions of this frame, then the hero's step.
  void step(const std::vector<RouteStep>& keys);
  bool standing() const;  // on the ground and not moving
  bool lost() const;      // fell below the level or left it
  // Targets touched at the hero's current position.
  void touched(std::vector<int>& out) const;

  std::vector<Target> targets;

 private:
  const CollisionMap* collision;
};

// The hero as a level start leaves it: (100, 100), airborne.
HeroState levelStartState();
