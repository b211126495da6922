// A goblin's side of a fight: what a hit by the hero does to it, and its own strike.
#include <algorithm>
#include <iterator>

#include "goblins/Goblin.h"

namespace {
const float kKnockBack = 10.0f;  // px, away from the hero
const int kDamageBase = 40;      // health points
// Wild rules.
const int kHitsToFall[] = {3, 2, 2, 2, 1, 1};  // by weapon level
const int kWildKnockBack = 16;                 // px, away from the hero
}  // namespace

void Goblin::takeClassicHit(float hitX, bool facingLeft) {
  x += facingLeft ? -kKnockBack : kKnockBack;
  // Measured after the knock-back, the loss on the left shrinks with the distance;
  // far enough it would turn into a gain, and a hit never heals.
  int loss = kDamageBase - static_cast<int>(hitX - x);
  if (loss > 0) health -= loss;
}

void Goblin::takeWildHit(bool pushRight, int swing, int weaponLevel, uint32_t now) {
  struckBy = swing;
  waiting = false;
  int level = std::clamp(weaponLevel, 0, int(std::size(kHitsToFall)) - 1);
  int hits = kHitsToFall[level];
  health -= (kGoblinFullHealth + hits - 1) / hits;  // rounded up: the last hit fells it
  knockBack = pushRight ? kWildKnockBack : -kWildKnockBack;
  hitFlash = true;
  hitTick = now;
}

void Goblin::strike(uint32_t now) {
  // The swing lands as the hero comes in reach, so a hero running past is not spared by
  // chance: the cycle jumps to its strike frame, which the draw shows.
  animStart = now - strikeMs();
  struckCycle = animStart;
}
