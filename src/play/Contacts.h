#pragma once
// What touches what in play: the hero's pickups (nuts, cages, thorns, traps, the
// exit), his swing on the goblins and a goblin's bite on him. The movers only move
// and look; every meeting between two of them is decided here, at the point of each
// pass where it falls.
#include <cstdint>

#include "platform/Tick.h"

class CollisionMap;
class Extra;
class Goblin;

class Contacts {
 public:
  // The swing key: the hero swings, and a new swing hits every goblin in reach on the press.
  void swing(uint32_t now);
  // The hero's step: he moves, then picks up what he touches where he stands, then
  // settles (a hurt starts the blink, the animation goes on).
  void stepHero(const Tick& tick, const CollisionMap& collision);
  // A goblin's step, with its meetings with the hero where they fall: under the wild
  // rules the running swing hits it after its move, and it bites before it lands.
  void stepGoblin(Goblin& goblin, const Tick& tick, const CollisionMap& collision);

  // One extra's touch test against the hero at view position (px, py), and its effect.
  void pickUp(Extra& extra, float px, float py, uint32_t now);
  // Every extra against the same hero position, in pool order. A touched exit is
  // reported in playEvents for the game flow.
  void pickUpAll(float px, float py, uint32_t now);

  // Does the hero's swing from view position (px, py) facing ori (0 right, 1 left) reach
  // the goblin? Under the wild rules: does its drawn arc, in front of him, overlap the body,
  // or does the body overlap his?
  bool heroReaches(const Goblin& goblin, float px, float py, uint8_t ori) const;
  // The hero's swing from view position (px, py) facing ori on one goblin, at `now`.
  // Under the wild rules it also catches the running swing in every step, once.
  void hitGoblin(Goblin& goblin, float px, float py, uint8_t ori, uint32_t now);
  // Wild rules: once per attack cycle, a hero in reach is bitten, on the strike frame, once
  // the raised weapon has warned him and he has had his time in reach.
  void goblinBites(Goblin& goblin, uint32_t now);
};

extern Contacts contacts;

// The reach test of a swing, whoever swings: does a swing from the hit point (hitX, hitY),
// facing left or right, reach a target whose sprite corner is (targetX, targetY)?
bool swingReaches(float hitX, float hitY, bool facingLeft, float targetX, float targetY, float reach);
